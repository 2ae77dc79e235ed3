<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and self better with respect to your partners in relationships. All rights to this software are reserved by %1.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>O Starquill descreve a posição do asteroide Psiquê no seu mapa astral. Esse asteroide também é conhecido como a deusa da alma. Esse signo ajuda você a se entender e a conhecer melhor sua alma, sua mente e seu eu nos seus relacionamentos. Todos os direitos deste programa são reservados a %1.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Clique para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique para mais detalhes</translation>
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
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Data inválida! Verifique o dia ou o mês.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Data inválida! Verifique o dia ou o mês.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Digite apenas letras</translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This helps you know what you expect from your partner in a relationship.</source>
        <translation>O Starquill descreve a posição do asteroide Psiquê no seu mapa astral. Assim você descobre o que espera do seu parceiro em um relacionamento.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Find My Zodiac &amp;Psyche Sign</source>
        <translation>Descobrir meu signo de &amp;Psiquê</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Find My Zodiac  Psyche Sign</source>
        <translation>Descobrir meu signo de Psiquê</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Clique aqui e visite %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <source>Download Lantern Softwares</source>
        <translation>Baixe Lantern Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Lantern Softwares</source>
        <translation>Clique e visite a Lantern Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Lantern Softwares. From a single software, we have now grown to become the world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Lantern Softwares. Começamos com um único programa e hoje somos a maior fonte de programas desse tipo no mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas em todas as áreas, para que cada usuário escolha de acordo com seus interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Lantern Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas da Lantern Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje mesmo e compartilhe sua experiência com amigos e familiares. </translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with your support. The best way to support us is to visit our discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Programas como este só podem ser criados e mantidos com o seu apoio. A melhor forma de nos apoiar é visitar sempre o nosso fórum em %1 e participar das discussões e de outras atividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Visite %1 com frequência e apoie o site participando das discussões e de outras atividades. Sem as suas visitas, não conseguimos manter programas como este.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology. Please visit it regularly to help us develop and maintain this program.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 é um fórum online gratuito sobre astrologia. Visite-o com frequência para nos ajudar a desenvolver e manter este programa.</translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions and activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 precisa da sua ajuda. Visite-o com frequência e participe das discussões e atividades, para que possamos manter este programa e criar mais programas da família Lantern Softwares.</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>%1 icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>Ícone do %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Pode haver uma atualização disponível para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja verificar se há atualizações?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Psyche in your Chart is Placed in</source>
        <translation>Psiquê no seu mapa astral está em</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
</context>
<context>
    <name>WebMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhe dinheiro online</translation>
    </message>
    <message>
        <source>Join our forum at %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Participe do nosso fórum: %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa.  Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome e o link do seu site. Veja a &quot;Ajuda&quot; para mais detalhes.    Clique aqui e saiba mais sobre o co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>You love the thought of someone falling in love with you. You need security from your relationship.</source>
        <translation>Você adora a ideia de que alguém se apaixone por você. Precisa sentir segurança no relacionamento.</translation>
    </message>
    <message>
        <source>You love people who give you gifts. You always love it when people are attracted to you.</source>
        <translation>Você adora ganhar presentes. E sempre gosta quando as pessoas se sentem atraídas por você.</translation>
    </message>
    <message>
        <source>Intelligent partners are a must for you. You love having fun and staying at home too.</source>
        <translation>Você precisa de um parceiro inteligente. Adora se divertir, mas também ficar em casa.</translation>
    </message>
    <message>
        <source>You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship.</source>
        <translation>Você adora fazer seu parceiro se sentir feliz e satisfeito. No relacionamento, é você quem cuida e acolhe.</translation>
    </message>
    <message>
        <source>You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out.</source>
        <translation>Você tem charme e beleza. Sabe como conquistar seu parceiro. Enxerga o melhor de cada pessoa e consegue fazer isso aflorar.</translation>
    </message>
    <message>
        <source>You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him.</source>
        <translation>Você questiona tudo o que acontece em sua vida. Revê suas experiências passadas e tenta aprender com elas para construir um futuro melhor. Quando passa a confiar no seu parceiro, você o trata com generosidade.</translation>
    </message>
    <message>
        <source>You spend a lot of money on your partner. Your partner&apos;s looks matter a lot to you. But as time goes you become more understanding.</source>
        <translation>Você gasta muito dinheiro com seu parceiro. A aparência dele é muito importante para você. Mas, com o tempo, aprende a compreendê-lo melhor.</translation>
    </message>
    <message>
        <source>This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship.</source>
        <translation>Esta posição indica que você busca profundamente se conhecer melhor. Quer entender a fundo a sua psicologia. Você se dedica de verdade ao relacionamento.</translation>
    </message>
    <message>
        <source>You give total freedom to your partner. You are attracted to people who are open-minded and philosophical.</source>
        <translation>Você dá total liberdade ao seu parceiro. Sente atração por pessoas de mente aberta e espírito filosófico.</translation>
    </message>
    <message>
        <source>You like emotionally stable partners. Sexual satisfaction means a lot to you.</source>
        <translation>Você gosta de parceiros emocionalmente estáveis. A satisfação sexual conta muito para você.</translation>
    </message>
    <message>
        <source>You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. </source>
        <translation>Você gosta que seu amor seja reconhecido no relacionamento. Adora viver num mundo de sonhos e tem uma imaginação sem limites. </translation>
    </message>
    <message>
        <source>You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner.</source>
        <translation>Você não gosta de rotina e busca aquele algo a mais no seu parceiro. Tem muitas expectativas em relação a ele.</translation>
    </message>
</context>
</TS>
