<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and self better with respect to your partners in relationships. All rights to this software are reserved by %1.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>Starquill आपकी जन्म कुंडली में क्षुद्रग्रह साइकी की स्थिति बताता है। इस क्षुद्रग्रह को आत्मा की देवी भी कहा जाता है। यह राशि आपको ख़ुद को समझने और रिश्तों में अपने साथी के संदर्भ में अपनी आत्मा, मन और स्वभाव को बेहतर ढंग से जानने में मदद करती है। इस सॉफ़्टवेयर के सभी अधिकार %1 के पास सुरक्षित हैं।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे बिज़नेस का मौका। अपना इंटरनेट बिज़नेस शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>ज़्यादा जानकारी के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
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
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख या महीना चुनें!</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्तूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
</context>
<context>
    <name>EntryWindow</name>
    <message>
        <source>Starquill describes the placement of the asteroid Psyche in your birth chart. This helps you know what you expect from your partner in a relationship.</source>
        <translation>Starquill आपकी जन्म कुंडली में क्षुद्रग्रह साइकी की स्थिति बताता है। इससे पता चलता है कि रिश्ते में अपने साथी से आपकी क्या उम्मीदें हैं।</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Find My Zodiac &amp;Psyche Sign</source>
        <translation>मेरी साइकी राशि जानें (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बंद करें (&amp;E)</translation>
    </message>
    <message>
        <source>Find My Zodiac  Psyche Sign</source>
        <translation>मेरी साइकी राशि जानें</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>अभी %1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें (&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>दोस्त को रेफ़र करें</translation>
    </message>
    <message>
        <source>Download Lantern Softwares</source>
        <translation>Lantern Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Lantern Softwares</source>
        <translation>Lantern Softwares पर जाएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी रेफ़र करें (&amp;N)</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Lantern Softwares. From a single software, we have now grown to become the world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>अगर आपको यह सॉफ़्टवेयर पसंद आया, तो हमारे दूसरे Lantern Softwares भी आपको ज़रूर पसंद आएँगे। एक सॉफ़्टवेयर से शुरुआत करके आज हम ऐसे सॉफ़्टवेयर का दुनिया का सबसे बड़ा स्रोत बन चुके हैं। ज्योतिष, साइकिक, टैरो, अंक ज्योतिष या गूढ़ विद्या — हर क्षेत्र के लिए हमारे पास प्रोग्राम हैं, जिससे हमारे उपयोगकर्ता अपनी रुचि के अनुसार कई विकल्पों में से चुन सकते हैं।</translation>
    </message>
    <message>
        <source>All the programs in the Lantern Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Lantern Softwares के सभी प्रोग्राम सरल और इस्तेमाल में आसान हैं। ये मज़ेदार होने के साथ-साथ बहुत जानकारी भरे भी हैं। आज ही इन्हें आज़माएँ और अपना अनुभव दोस्तों और परिवार के साथ साझा करें। </translation>
    </message>
    <message>
        <source>Programs like this one can only be created and maintained with your support. The best way to support us is to visit our discussion board at %1 regularly and take part in its discussions and other activities.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>ऐसे प्रोग्राम आपके सहयोग से ही बनाए और चलाए जा सकते हैं। हमारा साथ देने का सबसे अच्छा तरीका है %1 पर हमारे चर्चा फ़ोरम पर नियमित रूप से आना और उसकी चर्चाओं व अन्य गतिविधियों में भाग लेना।</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in its discussions and other activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>कृपया %1 पर नियमित रूप से आएँ और उसकी चर्चाओं व अन्य गतिविधियों में भाग लेकर उसका साथ दें। आपके नियमित रूप से आए बिना हम ऐसे प्रोग्रामों को बनाए नहीं रख सकते।</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on astrology. Please visit it regularly to help us develop and maintain this program.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 ज्योतिष पर एक मुफ़्त ऑनलाइन चर्चा फ़ोरम है। इस प्रोग्राम को विकसित करने और बनाए रखने में हमारी मदद के लिए कृपया वहाँ नियमित रूप से आएँ।</translation>
    </message>
    <message>
        <source>%1 needs your help. Visit it regularly and take part in its discussions and activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 को आपकी मदद चाहिए। वहाँ नियमित रूप से आएँ और उसकी चर्चाओं व गतिविधियों में भाग लें, ताकि हम इस प्रोग्राम को बनाए रख सकें और Lantern Softwares परिवार के और भी प्रोग्राम बना सकें।</translation>
    </message>
</context>
<context>
    <name>Look</name>
    <message>
        <source>%1 icon</source>
        <extracomment>What a screen reader says of the program&apos;s icon; %1 is the program&apos;s name.</extracomment>
        <translation>%1 आइकन</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>दोस्त का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>दोस्त का ईमेल पता</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में स्पेस नहीं हो सकता</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने दोस्त का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने दोस्त का ईमेल दर्ज करें</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>इस सॉफ़्टवेयर का नया अपडेट उपलब्ध हो सकता है</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Psyche in your Chart is Placed in</source>
        <translation>आपकी कुंडली में साइकी की राशि</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बंद करें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>WebMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर जाएँ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;M)</translation>
    </message>
    <message>
        <source>Join our forum at %1</source>
        <extracomment>%1 is the web site&apos;s name</extracomment>
        <translation>%1 पर हमारे फ़ोरम से जुड़ें</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। अपनी साइट पर विज़िटरों की वफ़ादारी और ट्रैफ़िक बढ़ाएँ। यहाँ अपनी साइट का नाम और लिंक लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें। को-ब्रांडिंग की ज़्यादा जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे बिज़नेस का मौका। अपना इंटरनेट बिज़नेस शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। ज़्यादा जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>You love the thought of someone falling in love with you. You need security from your relationship.</source>
        <translation>कोई आपके प्यार में पड़ जाए, यह ख़याल ही आपको बहुत अच्छा लगता है। अपने रिश्ते में आपको सुरक्षा का एहसास चाहिए।</translation>
    </message>
    <message>
        <source>You love people who give you gifts. You always love it when people are attracted to you.</source>
        <translation>जो लोग आपको तोहफ़े देते हैं, वे आपको बहुत पसंद आते हैं। जब लोग आपकी ओर आकर्षित होते हैं, तो आपको हमेशा अच्छा लगता है।</translation>
    </message>
    <message>
        <source>Intelligent partners are a must for you. You love having fun and staying at home too.</source>
        <translation>आपके लिए बुद्धिमान साथी ज़रूरी है। आपको मौज-मस्ती भी पसंद है और घर पर रहना भी।</translation>
    </message>
    <message>
        <source>You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship.</source>
        <translation>अपने साथी को ख़ुश और संतुष्ट रखना आपको बहुत अच्छा लगता है। अपने रिश्ते में देखभाल और पोषण की भूमिका आपकी होती है।</translation>
    </message>
    <message>
        <source>You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out.</source>
        <translation>आप आकर्षक और सुंदर हैं। अपने साथी का दिल जीतना आपको ख़ूब आता है। लोगों की सबसे अच्छी ख़ूबियाँ पहचानकर उन्हें निखारने का हुनर भी आपमें है।</translation>
    </message>
    <message>
        <source>You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him.</source>
        <translation>अपने जीवन की हर घटना पर सवाल उठाना आपका स्वभाव है। अपने पिछले अनुभवों को परखना और उनसे सीखना आपकी आदत है, ताकि आपका भविष्य बेहतर हो। एक बार साथी पर भरोसा हो जाए, तो उसके प्रति आपका व्यवहार बहुत उदार हो जाता है।</translation>
    </message>
    <message>
        <source>You spend a lot of money on your partner. Your partner&apos;s looks matter a lot to you. But as time goes you become more understanding.</source>
        <translation>अपने साथी पर आपका ख़ूब पैसा ख़र्च होता है। साथी का रूप-रंग आपके लिए बहुत मायने रखता है। लेकिन समय के साथ आपकी समझदारी बढ़ती जाती है।</translation>
    </message>
    <message>
        <source>This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship.</source>
        <translation>यह स्थिति बताती है कि आप ख़ुद को बेहतर जानने की गहरी खोज में हैं। आपमें अपने मन को और गहराई से समझने की तीव्र इच्छा है। अपने रिश्ते के प्रति आप पूरी तरह समर्पित हैं।</translation>
    </message>
    <message>
        <source>You give total freedom to your partner. You are attracted to people who are open-minded and philosophical.</source>
        <translation>आपकी ओर से आपके साथी को पूरी आज़ादी मिलती है। खुले विचारों वाले और दार्शनिक सोच के लोग आपको आकर्षित करते हैं।</translation>
    </message>
    <message>
        <source>You like emotionally stable partners. Sexual satisfaction means a lot to you.</source>
        <translation>आपको भावनात्मक रूप से स्थिर साथी पसंद आते हैं। यौन संतुष्टि आपके लिए बहुत मायने रखती है।</translation>
    </message>
    <message>
        <source>You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. </source>
        <translation>रिश्ते में आपके प्यार की क़द्र हो, यह आपको अच्छा लगता है। सपनों की दुनिया में रहना आपको बहुत भाता है और आपकी कल्पनाओं की उड़ान बहुत ऊँची होती है। </translation>
    </message>
    <message>
        <source>You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner.</source>
        <translation>आपको बंधी-बंधाई दिनचर्या पसंद नहीं है और अपने साथी में आपको कुछ ख़ास की तलाश रहती है। अपने साथी से आपको बहुत उम्मीदें होती हैं।</translation>
    </message>
</context>
</TS>
