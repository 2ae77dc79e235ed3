<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and self better with respect to your partners in relationships. All rights to this software are reserved by %1.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Starquill décrit la position de l&apos;astéroïde Psyché dans votre thème natal. Cet astéroïde est aussi appelé la déesse de l&apos;âme. Son signe vous aide à vous comprendre et à mieux connaître votre âme, votre esprit et votre moi profond dans vos relations amoureuses. %1 se réserve tous les droits sur ce logiciel.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Rendez-vous sur %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez de chez vous : lancez votre propre activité sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à l&apos;image de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez pour en savoir plus</translation>
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
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez choisir un jour ou un mois valide !</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez choisir un jour ou un mois valide !</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez ne saisir que des lettres.</translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This helps you know what you expect from your partner in a relationship.</source>
        <translation>Starquill décrit la position de l&apos;astéroïde Psyché dans votre thème natal. Vous saurez ainsi ce que vous attendez de votre partenaire dans une relation.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Find My Zodiac &amp;Psyche Sign</source>
        <translation>Trouver mon signe &amp;Psyché</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Find My Zodiac  Psyche Sign</source>
        <translation>Trouver mon signe Psyché</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Inviter un ami</translation>
    </message>
    <message>
        <source>Download Lantern Softwares</source>
        <translation>Télécharger Lantern Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Lantern Softwares</source>
        <translation>Cliquez pour visiter Lantern Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Inviter maintenant</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Lantern Softwares. From a single software, we have now grown to become the world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si vous avez apprécié ce logiciel, nos autres programmes Lantern Softwares vous intéresseront sûrement. Partis d&apos;un seul logiciel, nous sommes devenus la plus grande source de logiciels Lantern au monde. Astrologie, voyance, tarot, numérologie ou ésotérisme : nous avons des programmes dans tous les domaines, pour offrir à chacun un large choix selon ses centres d&apos;intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Lantern Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les programmes de la gamme Lantern Softwares sont simples et faciles à utiliser. Ils sont à la fois ludiques et très instructifs. Essayez-les dès aujourd&apos;hui et partagez votre expérience avec vos proches. </translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with your support. The best way to support us is to visit our discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Des programmes comme celui-ci ne peuvent être créés et maintenus qu&apos;avec votre soutien. La meilleure façon de nous aider est de visiter régulièrement notre forum sur %1 et de participer à ses discussions et autres activités.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Visitez régulièrement %1 et soutenez le site en participant à ses discussions et autres activités. Sans vos visites régulières, nous ne pouvons pas faire vivre des programmes comme celui-ci.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology. Please visit it regularly to help us develop and maintain this program.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 est un forum de discussion gratuit consacré à l&apos;astrologie. Visitez-le régulièrement pour nous aider à développer et à maintenir ce programme.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions and activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 a besoin de votre aide. Visitez-le régulièrement et participez à ses discussions et activités, afin que nous puissions maintenir ce programme et développer d&apos;autres programmes de la famille Lantern Softwares.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>%1 icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>Icône de %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà lancée.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher les mises à jour ?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Psyche in your Chart is Placed in</source>
        <translation>Dans votre thème, Psyché est en</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
</context>
<context>
    <name>WebMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Notre &amp;site web</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Revenus en &amp;ligne</translation>
    </message>
    <message>
        <source>Join our forum at %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Rejoignez notre forum sur %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personnalisez ce logiciel pour votre site : plus de fidélité et de trafic. Affichez ici le nom et le lien de votre site. Détails dans « Aide ». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez de chez vous : lancez votre propre activité sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à l&apos;image de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>You love the thought of someone falling in love with you. You need security from your relationship.</source>
        <translation>Vous adorez l&apos;idée que quelqu&apos;un tombe amoureux de vous. Vous avez besoin de sécurité dans votre relation.</translation>
    </message>
    <message>
        <source>You love people who give you gifts. You always love it when people are attracted to you.</source>
        <translation>Vous aimez les personnes qui vous font des cadeaux. Et vous adorez sentir que l&apos;on est attiré par vous.</translation>
    </message>
    <message>
        <source>Intelligent partners are a must for you. You love having fun and staying at home too.</source>
        <translation>Il vous faut un partenaire intelligent. Vous aimez vous amuser, mais aussi rester chez vous.</translation>
    </message>
    <message>
        <source>You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship.</source>
        <translation>Vous aimez rendre votre partenaire heureux et comblé. Dans votre couple, c&apos;est vous qui prenez soin de l&apos;autre.</translation>
    </message>
    <message>
        <source>You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out.</source>
        <translation>Vous avez du charme et de la beauté. Vous savez y faire avec votre partenaire. Vous voyez le meilleur en chacun et savez le révéler.</translation>
    </message>
    <message>
        <source>You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him.</source>
        <translation>Vous remettez en question tout ce qui arrive dans votre vie. Vous interrogez vos expériences passées pour en tirer des leçons et vous bâtir un meilleur avenir. Une fois la confiance installée, vous faites preuve de générosité envers votre partenaire.</translation>
    </message>
    <message>
        <source>You spend a lot of money on your partner. Your partner&apos;s looks matter a lot to you. But as time goes you become more understanding.</source>
        <translation>Vous dépensez beaucoup d&apos;argent pour votre partenaire. Son physique compte beaucoup pour vous. Mais avec le temps, vous gagnez en compréhension.</translation>
    </message>
    <message>
        <source>This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship.</source>
        <translation>Cette position montre que vous cherchez intensément à mieux vous connaître. Vous voulez comprendre votre psychologie plus en profondeur. Vous vous investissez pleinement dans votre relation.</translation>
    </message>
    <message>
        <source>You give total freedom to your partner. You are attracted to people who are open-minded and philosophical.</source>
        <translation>Vous laissez une totale liberté à votre partenaire. Les personnes ouvertes d&apos;esprit et philosophes vous attirent.</translation>
    </message>
    <message>
        <source>You like emotionally stable partners. Sexual satisfaction means a lot to you.</source>
        <translation>Vous aimez les partenaires équilibrés. L&apos;épanouissement sexuel compte beaucoup pour vous.</translation>
    </message>
    <message>
        <source>You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. </source>
        <translation>Vous aimez que votre amour soit reconnu dans votre relation. Vous aimez vivre dans un monde de rêve et avez une imagination débordante. </translation>
    </message>
    <message>
        <source>You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner.</source>
        <translation>Vous n&apos;aimez pas la routine et cherchez chez votre partenaire ce petit quelque chose en plus. Vous attendez beaucoup de votre partenaire.</translation>
    </message>
</context>
</TS>
