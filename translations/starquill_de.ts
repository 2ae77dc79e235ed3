<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and self better with respect to your partners in relationships. All rights to this software are reserved by %1.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Starquill beschreibt die Stellung des Asteroiden Psyche in deinem Geburtshoroskop. Psyche gilt auch als Göttin der Seele. Ihr Zeichen hilft dir, dich selbst zu verstehen und Seele, Geist und Wesen in deinen Beziehungen besser kennenzulernen. Alle Rechte an dieser Software liegen bei %1.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Hier geht’s zu %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internet-Business und verdiene online Geld. Hol dir diese Software ganz unter deiner Marke für deine Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Infos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Starquill</source>
        <translation>Starquill</translation>
    </message>
    <message>
        <source>Starquill v%1</source>
        <extracomment>%1 is the version, such as 1.15</extracomment>
        <translation>Starquill v%1</translation>
    </message>
</context>
<context>
    <name>BirthData</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte wähle einen gültigen Tag oder Monat!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte wähle einen gültigen Tag oder Monat!</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben.</translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This helps you know what you expect from your partner in a relationship.</source>
        <translation>Starquill beschreibt die Stellung des Asteroiden Psyche in deinem Geburtshoroskop. So erfährst du, was du in einer Beziehung von deinem Partner erwartest.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Find My Zodiac &amp;Psyche Sign</source>
        <translation>Mein &amp;Psyche-Zeichen finden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Find My Zodiac  Psyche Sign</source>
        <translation>Mein Psyche-Zeichen finden</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Hier klicken und %1 besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Download Lantern Softwares</source>
        <translation>Mehr von Lantern Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Lantern Softwares</source>
        <translation>Hier geht’s zu Lantern Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt empfehlen</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Lantern Softwares. From a single software, we have now grown to become the world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Wenn dir diese Software gefallen hat, interessieren dich bestimmt auch unsere anderen Programme von Lantern Softwares. Aus einem einzigen Programm ist die weltweit größte Sammlung von Lantern-Programmen geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für alle Bereiche, damit jeder nach seinen Interessen wählen kann.</translation>
    </message>
    <message>
        <source>All the programs in the Lantern Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle Programme von Lantern Softwares sind einfach und leicht zu bedienen. Sie machen Spaß und sind dazu sehr informativ. Probier sie noch heute aus und erzähl Freunden und Familie von deinen Erfahrungen. </translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with your support. The best way to support us is to visit our discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Programme wie dieses können nur mit deiner Unterstützung entstehen und gepflegt werden. Am besten unterstützt du uns, wenn du regelmäßig unser Forum auf %1 besuchst und bei den Diskussionen und anderen Aktivitäten mitmachst.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Besuche %1 regelmäßig und unterstütze die Seite, indem du bei den Diskussionen und anderen Aktivitäten mitmachst. Ohne deine regelmäßigen Besuche können wir Programme wie dieses nicht betreuen und pflegen.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology. Please visit it regularly to help us develop and maintain this program.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 ist ein kostenloses Online-Forum rund um Astrologie. Besuche es regelmäßig und hilf uns so, dieses Programm weiterzuentwickeln und zu pflegen.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions and activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 braucht deine Hilfe. Besuche die Seite regelmäßig und mach bei den Diskussionen und Aktivitäten mit, damit wir dieses Programm pflegen und weitere Programme der Lantern-Softwares-Familie entwickeln können.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>%1 icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>%1-Symbol</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail des Freundes</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise gibt es ein Update für diese Software.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchtest du nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Psyche in your Chart is Placed in</source>
        <translation>Psyche steht bei dir im Zeichen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
</context>
<context>
    <name>WebMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber Starquill</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Join our forum at %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Komm in unser Forum auf %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Biete diese Software im Co-Branding auf deiner Website an: für mehr Treue und mehr Besucher. Hier stehen dann Name und Link deiner Website. Siehe „Hilfe“. Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Internet-Business und verdiene online Geld. Hol dir diese Software ganz unter deiner Marke für deine Website. Hier klicken für mehr Infos.</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>You love the thought of someone falling in love with you. You need security from your relationship.</source>
        <translation>Du liebst den Gedanken, dass sich jemand in dich verliebt. In deiner Beziehung brauchst du Sicherheit.</translation>
    </message>
    <message>
        <source>You love people who give you gifts. You always love it when people are attracted to you.</source>
        <translation>Du liebst Menschen, die dich beschenken. Du genießt es immer, wenn sich andere zu dir hingezogen fühlen.</translation>
    </message>
    <message>
        <source>Intelligent partners are a must for you. You love having fun and staying at home too.</source>
        <translation>Ein intelligenter Partner ist für dich ein Muss. Du hast gern Spaß, bleibst aber auch gern zu Hause.</translation>
    </message>
    <message>
        <source>You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship.</source>
        <translation>Du machst deinen Partner gern glücklich und zufrieden. In deiner Beziehung übernimmst du die fürsorgliche Rolle.</translation>
    </message>
    <message>
        <source>You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out.</source>
        <translation>Du bist charmant und schön. Du weißt mit deinem Partner umzugehen. Du erkennst das Beste in anderen und bringst es zum Vorschein.</translation>
    </message>
    <message>
        <source>You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him.</source>
        <translation>Du hinterfragst alles, was in deinem Leben geschieht. Du hinterfragst deine bisherigen Erfahrungen und versuchst, aus ihnen zu lernen, um dir eine bessere Zukunft aufzubauen. Sobald du deinem Partner vertraust, bist du großzügig zu ihm.</translation>
    </message>
    <message>
        <source>You spend a lot of money on your partner. Your partner&apos;s looks matter a lot to you. But as time goes you become more understanding.</source>
        <translation>Du gibst viel Geld für deinen Partner aus. Sein Aussehen ist dir sehr wichtig. Doch mit der Zeit wirst du verständnisvoller.</translation>
    </message>
    <message>
        <source>This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship.</source>
        <translation>Diese Stellung zeigt, dass du intensiv danach suchst, dich selbst besser kennenzulernen. Du willst dein Innenleben genauer verstehen. In deiner Beziehung bist du mit ganzem Herzen dabei.</translation>
    </message>
    <message>
        <source>You give total freedom to your partner. You are attracted to people who are open-minded and philosophical.</source>
        <translation>Du lässt deinem Partner alle Freiheiten. Dich ziehen Menschen an, die aufgeschlossen und philosophisch sind.</translation>
    </message>
    <message>
        <source>You like emotionally stable partners. Sexual satisfaction means a lot to you.</source>
        <translation>Du magst emotional stabile Partner. Sexuelle Erfüllung bedeutet dir viel.</translation>
    </message>
    <message>
        <source>You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. </source>
        <translation>Du möchtest, dass deine Liebe in der Beziehung gewürdigt wird. Du lebst gern in einer Traumwelt und hast eine blühende Fantasie. </translation>
    </message>
    <message>
        <source>You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner.</source>
        <translation>Du magst keine Routine und suchst bei deinem Partner das gewisse Etwas. Du hast hohe Erwartungen an deinen Partner.</translation>
    </message>
</context>
</TS>
