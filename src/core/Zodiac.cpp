// SPDX-License-Identifier: MIT
#include "Zodiac.h"

#include <QCoreApplication>

#include <array>

namespace Zodiac {
namespace {

// clang-format off
constexpr std::array<const char*, SignCount> Names{
    QT_TRANSLATE_NOOP("Zodiac", "Aries"),     QT_TRANSLATE_NOOP("Zodiac", "Taurus"),
    QT_TRANSLATE_NOOP("Zodiac", "Gemini"),    QT_TRANSLATE_NOOP("Zodiac", "Cancer"),
    QT_TRANSLATE_NOOP("Zodiac", "Leo"),       QT_TRANSLATE_NOOP("Zodiac", "Virgo"),
    QT_TRANSLATE_NOOP("Zodiac", "Libra"),     QT_TRANSLATE_NOOP("Zodiac", "Scorpio"),
    QT_TRANSLATE_NOOP("Zodiac", "Sagittarius"), QT_TRANSLATE_NOOP("Zodiac", "Capricorn"),
    QT_TRANSLATE_NOOP("Zodiac", "Aquarius"),  QT_TRANSLATE_NOOP("Zodiac", "Pisces"),
};

// Shown exactly as written: the Aquarius text ends in a blank and the Pisces
// text has two blanks in "have  a lot".
constexpr std::array<const char*, SignCount> Descriptions{
    QT_TRANSLATE_NOOP("Zodiac", "You love the thought of someone falling in love with you. You need security from your relationship."),
    QT_TRANSLATE_NOOP("Zodiac", "You love people who give you gifts. You always love it when people are attracted to you."),
    QT_TRANSLATE_NOOP("Zodiac", "Intelligent partners are a must for you. You love having fun and staying at home too."),
    QT_TRANSLATE_NOOP("Zodiac", "You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship."),
    QT_TRANSLATE_NOOP("Zodiac", "You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out."),
    QT_TRANSLATE_NOOP("Zodiac", "You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him."),
    QT_TRANSLATE_NOOP("Zodiac", "You spend a lot of money on your partner. Your partner's looks matter a lot to you. But as time goes you become more understanding."),
    QT_TRANSLATE_NOOP("Zodiac", "This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship."),
    QT_TRANSLATE_NOOP("Zodiac", "You give total freedom to your partner. You are attracted to people who are open-minded and philosophical."),
    QT_TRANSLATE_NOOP("Zodiac", "You like emotionally stable partners. Sexual satisfaction means a lot to you."),
    QT_TRANSLATE_NOOP("Zodiac", "You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. "),
    QT_TRANSLATE_NOOP("Zodiac", "You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner."),
};
// clang-format on

QString translated(const std::array<const char*, SignCount>& texts, Sign sign)
{
    return QCoreApplication::translate("Zodiac", texts[static_cast<std::size_t>(sign)]);
}

} // namespace

QString name(Sign sign)
{
    return translated(Names, sign);
}

QString description(Sign sign)
{
    return translated(Descriptions, sign);
}

} // namespace Zodiac
