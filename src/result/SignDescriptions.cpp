#include "SignDescriptions.h"

#include <array>
#include <utility>

QString DescribeSign(const QString& signName)
{
    // In zodiac order; the texts are shown exactly as written, trailing blank
    // and double blank included.
    static const std::array<std::pair<QString, QString>, 12> descriptions{{
        {QStringLiteral("Aries"),
         QStringLiteral("You love the thought of someone falling in love with you. You need "
                        "security from your relationship.")},
        {QStringLiteral("Taurus"),
         QStringLiteral("You love people who give you gifts. You always love it when people are "
                        "attracted to you.")},
        {QStringLiteral("Gemini"),
         QStringLiteral("Intelligent partners are a must for you. You love having fun and staying "
                        "at home too.")},
        {QStringLiteral("Cancer"),
         QStringLiteral("You love to make your partner feel happy and satisfied. You take on the "
                        "nurturing role in your relationship.")},
        {QStringLiteral("Leo"),
         QStringLiteral("You are charming and beautiful. You have a way with your partner. You can "
                        "make out the best in people and bring it out.")},
        {QStringLiteral("Virgo"),
         QStringLiteral("You will question all the happenings in your life. You will question your "
                        "past experiences and try to learn from them so that you can lead a better "
                        "future. You are generous with your partner once you start trusting him.")},
        {QStringLiteral("Libra"),
         QStringLiteral(
             "You spend a lot of money on your partner. Your partner's looks matter a lot "
             "to you. But as time goes you become more understanding.")},
        {QStringLiteral("Scorpio"),
         QStringLiteral("This placement signifies that you are on a deep lookout for knowing "
                        "yourself better. You want to understand your psychology more thoroughly. "
                        "You are very committed in your relationship.")},
        {QStringLiteral("Sagittarius"),
         QStringLiteral(
             "You give total freedom to your partner. You are attracted to people who are "
             "open-minded and philosophical.")},
        {QStringLiteral("Capricorn"),
         QStringLiteral("You like emotionally stable partners. Sexual satisfaction means a lot to "
                        "you.")},
        {QStringLiteral("Aquarius"),
         QStringLiteral(
             "You like to be acknowledged for your love in the relationship. You love to "
             "live in a dream world and have a wild imagination. ")},
        {QStringLiteral("Pisces"),
         QStringLiteral("You do not like a routine and look for the extra something in your "
                        "partner. You have  a lot of expectations from your partner.")},
    }};
    for (const auto& [name, text] : descriptions)
        if (name == signName)
            return text;
    return {};
}
