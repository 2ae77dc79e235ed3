<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and self better with respect to your partners in relationships. All rights to this software are reserved by %1.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Starquill describe la posición del asteroide Psique en tu carta natal. Este asteroide también se conoce como la diosa del alma. Este signo te ayuda a entenderte y a conocer mejor tu alma, tu mente y tu yo en tus relaciones de pareja. %1 se reserva todos los derechos de este programa.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Haz clic para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic para más detalles</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Fecha no válida! Revisa el día o el mes.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Fecha no válida! Revisa el día o el mes.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Escribe solo letras</translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This helps you know what you expect from your partner in a relationship.</source>
        <translation>Starquill describe la posición del asteroide Psique en tu carta natal. Así sabrás qué esperas de tu pareja en una relación.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Find My Zodiac &amp;Psyche Sign</source>
        <translation>Descubrir mi signo de &amp;Psique</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Find My Zodiac  Psyche Sign</source>
        <translation>Descubrir mi signo de Psique</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Haz clic aquí y visita %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Invita a un amigo</translation>
    </message>
    <message>
        <source>Download Lantern Softwares</source>
        <translation>Descarga Lantern Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Lantern Softwares</source>
        <translation>Haz clic y visita Lantern Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Invitar ahora</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Lantern Softwares. From a single software, we have now grown to become the world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás programas de Lantern Softwares. Empezamos con un solo programa y hoy somos la mayor fuente de programas de este tipo del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas de todos los temas, para que cada usuario elija según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Lantern Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de Lantern Softwares son sencillos y fáciles de usar. Además de entretenidos, son muy informativos. Pruébalos hoy mismo y comparte tu experiencia con tus amigos y tu familia. </translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with your support. The best way to support us is to visit our discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Programas como este solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyarnos es visitar a menudo nuestro foro en %1 y participar en sus debates y demás actividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Visita %1 a menudo y apóyalo participando en sus debates y demás actividades. Sin tus visitas habituales no podemos mantener programas como este.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology. Please visit it regularly to help us develop and maintain this program.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 es un foro de astrología gratuito en Internet. Visítalo a menudo para ayudarnos a desarrollar y mantener este programa.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions and activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 necesita tu ayuda. Visítalo a menudo y participa en sus debates y actividades, para que podamos mantener este programa y crear más programas de la familia Lantern Softwares.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>%1 icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>Icono de %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo del amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo no puede contener espacios</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo de tu amigo</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización de este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres comprobar si hay actualizaciones?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Psyche in your Chart is Placed in</source>
        <translation>Psique en tu carta natal está en</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
</context>
<context>
    <name>WebMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ay&amp;uda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gana dinero en línea</translation>
    </message>
    <message>
        <source>Join our forum at %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Únete a nuestro foro en %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa.  Gana fidelidad y tráfico para tu sitio. Incluye aquí su nombre y su enlace. Consulta la «Ayuda» para más detalles.    Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>You love the thought of someone falling in love with you. You need security from your relationship.</source>
        <translation>Te encanta la idea de que alguien se enamore de ti. Necesitas que tu relación te dé seguridad.</translation>
    </message>
    <message>
        <source>You love people who give you gifts. You always love it when people are attracted to you.</source>
        <translation>Te encanta que te hagan regalos. Y siempre disfrutas cuando alguien se siente atraído por ti.</translation>
    </message>
    <message>
        <source>Intelligent partners are a must for you. You love having fun and staying at home too.</source>
        <translation>Necesitas una pareja inteligente. Te encanta divertirte, pero también quedarte en casa.</translation>
    </message>
    <message>
        <source>You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship.</source>
        <translation>Te encanta que tu pareja se sienta feliz y satisfecha. En la relación, eres quien cuida y protege.</translation>
    </message>
    <message>
        <source>You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out.</source>
        <translation>Tienes encanto y belleza. Sabes cómo ganarte a tu pareja. Ves lo mejor de cada persona y sabes sacarlo a la luz.</translation>
    </message>
    <message>
        <source>You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him.</source>
        <translation>Te cuestionas todo lo que ocurre en tu vida. Repasas tus experiencias pasadas e intentas aprender de ellas para construir un futuro mejor. Cuando empiezas a confiar en tu pareja, la tratas con generosidad.</translation>
    </message>
    <message>
        <source>You spend a lot of money on your partner. Your partner&apos;s looks matter a lot to you. But as time goes you become more understanding.</source>
        <translation>Gastas mucho dinero en tu pareja. Su aspecto físico te importa mucho. Pero, con el paso del tiempo, ganas en comprensión.</translation>
    </message>
    <message>
        <source>This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship.</source>
        <translation>Esta posición indica que buscas a fondo conocerte mejor. Quieres entender tu psicología con más profundidad. Te entregas por completo a tu relación.</translation>
    </message>
    <message>
        <source>You give total freedom to your partner. You are attracted to people who are open-minded and philosophical.</source>
        <translation>Das total libertad a tu pareja. Te atraen las personas de mente abierta y espíritu filosófico.</translation>
    </message>
    <message>
        <source>You like emotionally stable partners. Sexual satisfaction means a lot to you.</source>
        <translation>Te gustan las parejas con estabilidad emocional. La satisfacción sexual es clave para ti.</translation>
    </message>
    <message>
        <source>You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. </source>
        <translation>Te gusta que en la relación se reconozca tu amor. Te encanta vivir en un mundo de ensueño y tienes una imaginación desbordante. </translation>
    </message>
    <message>
        <source>You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner.</source>
        <translation>No te gusta la rutina y buscas ese algo especial en tu pareja. Tienes muchas expectativas puestas en ella.</translation>
    </message>
</context>
</TS>
