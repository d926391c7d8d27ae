#include "dosha/interpretation_texts.h"

#include "model/catalogue.h"

namespace orbalis {

constexpr std::array<std::string_view, 7> BodyDescriptions = {
    // Sun
    N_("The Sun is the soul of the horoscope and the king among the planets. It stands for "
       "vitality, willpower, self-respect and authority, and it signifies the father, the "
       "government and all who hold command. A strong Sun gives confidence, a clear purpose "
       "and the capacity to lead; a weak or afflicted Sun leaves a person proud yet insecure, "
       "short of stamina or at odds with superiors. Its house shows where a person’s light is "
       "meant to shine and where they seek recognition."),
    // Moon
    N_("The Moon is the mind. It governs feelings, memory, moods and the need for comfort and "
       "security, and it signifies the mother, nourishment, water and the public. Because it "
       "moves fastest of all the bodies, it shows how a person responds to the changes of "
       "daily life. A bright, well-placed Moon gives contentment, sympathy and popularity; a "
       "waning or afflicted Moon brings anxiety, restlessness and changeable moods."),
    // Mercury
    N_("Mercury governs the way that you communicate with those around you."),
    // Venus
    N_("Venus is the planet that is about how people express socially, romantically and "
       "artistically."),
    // Mars
    N_("Mars is the commander among the planets, the source of courage, energy and drive. It "
       "rules younger brothers, land and property, sport, weapons, surgery and the fighting "
       "spirit. Well placed, it gives initiative, technical skill and the strength to protect "
       "others; afflicted, it brings anger, haste, accidents and quarrels. From the 1st, 2nd, "
       "4th, 7th, 8th or 12th house it produces Kuja dosha, the affliction that bears on "
       "marriage."),
    // Jupiter
    N_("Jupiter, the guru of the gods, is the greatest benefic. It signifies wisdom, faith, "
       "teachers, children, wealth and good fortune, and it governs dharma, the right way of "
       "living. Wherever it stands it expands and protects, and its aspect on a house or a "
       "planet softens the harm done by the malefics."),
    // Saturn
    N_("This is where people are likely to encounter heavy obstacles. It is the planet of "
       "restrictions and limitations."),
};

constexpr std::array<std::array<std::string_view, 12>, 7> BodyInHouseTexts = {{
    // Sun
    {{
        N_("These people carry themselves with natural dignity and a strong sense of who they "
           "are. They are ambitious, self-reliant and born to lead, although pride and a hot "
           "temper can put others off. Their constitution is usually sound, with a tendency to "
           "heat, fevers or headaches when the Sun is afflicted."),
        N_("These people often earn through government, officials or people in high office, and "
           "they guard the honour of their family. Their speech is frank and commanding, which "
           "can cause friction at home. Money comes and goes with their pride, and the right eye "
           "or the teeth may need care."),
        N_("These people have plenty of courage and initiative and never wait for others to act. "
           "They do well in writing, media, short journeys and any venture that calls for daring. "
           "Relations with younger siblings can be strained, but they rise by their own hands."),
        N_("They long for a peaceful home but often find their domestic life unsettled, with "
           "differences of opinion with the mother. Property may come through government or the "
           "father. They do best when they accept that contentment has to be built from within."),
        N_("They are intelligent and proud of their learning, with a flair for politics, advising "
           "and speculative ventures. Children may be few or arrive late, yet they take pride in "
           "them. Their merit from past lives shows in a strong, independent judgement."),
        N_("These are normally very determined workers but can be very demanding."),
        N_("They seek a partner of standing, but ego clashes in marriage are common, and the "
           "spouse may be proud or dominating. Partnerships work when roles are clearly divided. "
           "They often deal with the public or with government in business."),
        N_("They are private, intense and drawn to research, the occult and the hidden side of "
           "things. Inheritance or a partner's money may play a large part in their lives. "
           "Vitality can be low at times, so they should not neglect the eyes, the heart or "
           "chronic ailments."),
        N_("These people have strong principles and a deep interest in religion and philosophy, "
           "though they may disagree with their father or with orthodox teachers. Fortune comes "
           "through higher learning, pilgrimage and people in authority."),
        N_("Here the Sun is at its strongest. These people are ambitious, capable administrators "
           "who reach positions of authority and public respect. They suit government service, "
           "politics and management, and their father often supports their career."),
        N_("They enjoy steady gains, influential friends and the favour of people in power. Their "
           "ambitions are usually fulfilled, and elder siblings may be successful. They tend to "
           "choose friends for status as much as for warmth."),
        N_("They work behind the scenes, in foreign lands or in institutions such as hospitals "
           "and ashrams. Expenses can be heavy and the father may live far away. Their vitality "
           "and eyesight need protection, and in later life they lean toward spiritual practice."),
    }},
    // Moon
    {{
        N_("These people are sensitive, gentle and attractive, with an expressive face and "
           "changeable moods. They are popular and intuitive and absorb the feelings of those "
           "around them. A waxing Moon gives them charm and good health; a waning one makes them "
           "restless."),
        N_("They speak softly and persuasively and love good food and family gatherings. Their "
           "finances rise and fall like the tides, yet they rarely lack for long. Many earn "
           "through trade in food, liquids, dairy or dealings with the public."),
        N_("These people have an imaginative, curious mind and enjoy travel, writing and talking. "
           "They are close to their siblings and neighbours and change their interests often. "
           "Courage comes in waves, strong when they feel supported."),
        N_("They are deeply attached to their mother and their home, and here the Moon gives its "
           "best. They enjoy comfort, vehicles and a settled life, and often own land or a house "
           "near water. Emotional security is their foundation for everything else."),
        N_("They are romantic, creative and emotionally invested in their children. Their "
           "intelligence works through intuition and memory, which serves them in study and the "
           "arts. Love affairs and speculation can sway their moods."),
        N_("They worry easily, and their emotions show in their digestion and general health. "
           "They serve others well, particularly in nursing, healing or care work, but should "
           "avoid debts. Relations with the mother may be strained."),
        N_("They want a caring, attractive partner and feel incomplete when alone. The spouse may "
           "be emotional or changeable, and they do well in business with the public. They are "
           "diplomatic and sociable, and many travel after marriage."),
        N_("These people feel everything intensely and keep their inner life hidden. They have "
           "strong psychic and research abilities but go through emotional upheavals. The "
           "mother's health may give concern, and inheritance can come through the maternal line."),
        N_("They are devout, fortunate and fond of pilgrimage and long journeys. Their mother is "
           "often religious and their father kind. Faith steadies their emotions, and they are "
           "drawn to teachers and sacred places."),
        N_("These people live much of their lives in public view and enjoy popularity. Their "
           "career may change several times and often involves women, the public, food, "
           "hospitality or travel. They are sensitive to their reputation."),
        N_("They gain through women, the public and a large circle of friends, and most of their "
           "wishes are fulfilled in time. Income fluctuates but tends to grow. Elder sisters or "
           "mother-like figures often help them along."),
        N_("They are dreamy, imaginative and sensitive, needing rest and solitude to recharge. "
           "Expenses on comfort and travel can run high, and many settle in a foreign land. Their "
           "sleep may be disturbed, yet meditation and spiritual practice come naturally to them."),
    }},
    // Mercury
    {{
        N_("These people look youthful for their age and have a quick wit and a lively manner. "
           "They learn fast, speak well and adapt easily to new situations. They may be nervous "
           "or restless, but their curiosity keeps them young."),
        N_("They are eloquent and persuasive and often earn through speech, teaching, accounting "
           "or trade. Their skill with numbers helps them build wealth. Family conversations are "
           "lively and they value education for their relatives."),
        N_("These people are natural writers and communicators who love short trips, puzzles and "
           "news. They suit media, publishing, sales and correspondence. Siblings are clever and "
           "often share their interests."),
        N_("They have a well-stocked mind and a home full of books and gadgets. Their education "
           "is good, and they are clever in dealing in land, houses and vehicles. Their mother is "
           "usually intelligent and communicative."),
        N_("They have a sharp intellect and do well in examinations, mathematics, astrology and "
           "strategy. They enjoy games of skill and may dabble in speculation. Their children are "
           "bright, and they teach by explaining things clearly."),
        N_("They are analytical and quick to spot faults, which makes them good in accounts, law, "
           "medicine and settling disputes. Their nerves and skin can suffer from worry. They "
           "defeat rivals with argument rather than force."),
        N_("They are attracted to a youthful, witty partner and want conversation in marriage. "
           "They do well in trade and business partnerships and can negotiate skilfully. "
           "Contracts and agreements are part of their working life."),
        N_("These people have a probing, research-minded intellect and may study the occult, "
           "astrology or investigation. They are secretive with their thoughts. Longevity is "
           "usually good, and they may gain through insurance, taxes or inheritance."),
        N_("They are drawn to philosophy, higher studies, law and religious texts and enjoy "
           "discussing ideas with teachers. They may publish or travel abroad for learning. Their "
           "father is often educated or involved in trade."),
        N_("Their career depends on intelligence and communication: commerce, writing, "
           "accounting, teaching or information technology. They are efficient and versatile and "
           "may run more than one line of work at the same time."),
        N_("They gain through business, networking and intellectual work, and they have many "
           "friends, often younger. Their plans are practical and their income steady. They enjoy "
           "learning from groups and associations."),
        N_("These people have a rich imagination and may think more than they say. They spend on "
           "books, learning and travel, and they pick up foreign languages with ease. They can "
           "worry at night, but they do good work in quiet, secluded settings."),
    }},
    // Venus
    {{
        N_("These people are attractive, graceful and charming, with refined taste and a love of "
           "beauty. They enjoy comfort, fine clothes and the arts and are naturally liked by "
           "others. They may be indulgent, but their manner is gentle and kind."),
        N_("They speak sweetly and often sing or recite well. They earn through the arts, luxury "
           "goods, jewellery or beauty, and family life is harmonious. They appreciate good food "
           "and keep a comfortable purse."),
        N_("They express themselves with taste and wit and may write, paint or perform. Relations "
           "with siblings are pleasant, especially with sisters. They enjoy short journeys for "
           "pleasure and make friends easily in their neighbourhood."),
        N_("They enjoy a beautiful home, good vehicles and every domestic comfort. Their mother "
           "is affectionate and their home life is peaceful. They often decorate their "
           "surroundings with art and flowers and are happy within their own walls."),
        N_("These people are romantic, creative and artistic, and they fall in love easily. Their "
           "children bring joy, and they may teach or practise the fine arts. They are lucky in "
           "entertainment and sometimes in speculation."),
        N_("They may meet disappointment in love or find that relationships involve service and "
           "sacrifice. Their kidneys and reproductive health need attention. They do well working "
           "in beauty, hospitality or health care and get on with colleagues."),
        N_("They seek beauty and harmony in marriage and are drawn to an attractive, refined "
           "partner. Passion is strong, and they must keep desire in balance so that it does not "
           "spoil the marriage. They prosper in business with partners and in public relations."),
        N_("They may gain through the spouse's wealth, inheritance or joint finances. Their "
           "pleasures are private and their attractions intense. They are generally long-lived "
           "and interested in hidden knowledge and tantra."),
        N_("They are fortunate, devout and fond of beauty in religion, such as music and ritual. "
           "Their spouse may come from a good family, and their father is often prosperous. They "
           "enjoy travel and generosity."),
        N_("These people make a career in the arts, fashion, beauty, luxury goods or "
           "entertainment. They are diplomatic and popular at work and may gain through women. "
           "Their public image is attractive and refined."),
        N_("They gain through women, the arts and a circle of pleasant, well-off friends. Their "
           "wishes for comfort and luxury are fulfilled, and income flows from several sources. "
           "They are sociable and generous hosts."),
        N_("They enjoy private comforts and luxury, and they spend generously on pleasure, travel "
           "and beautiful things. Foreign lands attract them, and their devotion can turn to the "
           "divine. Here Venus is exalted in spirit, giving peaceful sleep and hidden delights."),
    }},
    // Mars
    {{
        N_("These people are energetic, bold and competitive, with a strong physique and a quick "
           "temper. They act first and think later, which exposes them to accidents, cuts and "
           "burns, especially to the head. In this house Mars forms Kuja dosha, so marriage needs "
           "patience."),
        N_("They speak bluntly and sometimes harshly, which can cause quarrels within the family. "
           "They earn through land, engineering, metals or the military. Money is spent as fast "
           "as it comes, and the teeth and face should be protected."),
        N_("These people are brave, enterprising and physically strong, with a love of sport and "
           "adventure. They win through effort and do not fear rivals. Younger brothers may face "
           "difficulties, but they stand up for them."),
        N_("They may find domestic peace hard to keep, with quarrels at home and disputes over "
           "property. Their mother may have health troubles. This placement gives Kuja dosha, and "
           "their restlessness can make them move house often."),
        N_("They are sharp, competitive thinkers with an impulsive streak. Their children may be "
           "energetic or hard to manage, and early pregnancies need care. They should be cautious "
           "with gambling and speculation."),
        N_("Here Mars is at its best for defeating enemies. These people are hard-working, "
           "competitive and resistant to disease, and they win in law suits and contests. They "
           "suit the police, the army, surgery and engineering."),
        N_("They are passionate and want an energetic partner, but quarrels and disputes in "
           "marriage are common. This is a classic position of Kuja dosha. Business partnerships "
           "need clear terms to avoid conflict."),
        N_("They go through sudden events, accidents, surgery and disputes over inheritance. "
           "Their courage in a crisis is great, and they are drawn to research and the occult. "
           "Kuja dosha applies here, so the spouse's health and their own need watching."),
        N_("These people hold strong convictions and fight for their beliefs. They may argue with "
           "their father, teachers or religious authorities. Fortune comes through effort, and "
           "they may travel for adventure or for a cause."),
        N_("Here Mars gains directional strength. These people are natural leaders and achievers "
           "who excel in engineering, the military, surgery, sport or management. They rise "
           "through drive and decisiveness and command respect."),
        N_("They gain through property, technical skill and bold ventures, and they are ambitious "
           "for money. Their friends are strong and active, and elder siblings may be "
           "influential. Their desires are usually met through their own hard work."),
        N_("They spend heavily and can act against their own interests. Hidden enemies, "
           "hospitalisation or trouble in foreign lands are possible. This position also gives "
           "Kuja dosha, and their anger is better turned into service or spiritual discipline."),
    }},
    // Jupiter
    {{
        N_("These are very broadminded and optimistic people who focus on the brighter side of "
           "life. They are very trustworthy, honest and popular."),
        N_("They speak wisely and truthfully and often teach, advise or preach. Wealth grows "
           "steadily and the family is cultured and respected. They enjoy good food and hold firm "
           "traditional values."),
        N_("These people are steady rather than daring, and they prefer persuasion to force. They "
           "write and communicate well, especially on religious or learned subjects. Their "
           "siblings are virtuous and helpful."),
        N_("They are well educated, contented and blessed with a happy home, good vehicles and a "
           "kind mother. Their house is often a place of learning or worship. Peace of mind comes "
           "easily to them."),
        N_("They are wise and learned, with a gift for counsel, teaching and sacred knowledge. "
           "They are blessed with merit from past lives. Children are good and respectful, "
           "although they may come later than hoped."),
        N_("They overcome enemies by patience and fairness and do well in service, law, medicine "
           "or lending. Weight, the liver or sugar may need watching. They help others in trouble "
           "and earn gratitude."),
        N_("They are blessed with a wise, virtuous and well-mannered spouse, and their marriage "
           "improves their standing. They do well as counsellors, consultants and partners in "
           "business. Their dealings with the public are honest."),
        N_("They usually enjoy a long life and a peaceful end. They are interested in the occult, "
           "astrology and the mysteries of life and death, and they may gain through inheritance "
           "or the spouse's family."),
        N_("They are highly fortunate, religious and generous, with a good father and wise "
           "teachers. They travel for pilgrimage and learning and often become teachers or guides "
           "themselves. Dharma is the centre of their life."),
        N_("They are respected for their integrity and do well as judges, teachers, advisers, "
           "priests or managers. Their career grows steadily, and they gain the trust of "
           "superiors. Their reputation is built on ethics."),
        N_("These people enjoy abundant gains and a wide circle of learned, well-placed friends. "
           "Their wishes are usually fulfilled, and elder siblings are fortunate. Wealth comes "
           "through many sources."),
        N_("They spend generously on charity, religion and the welfare of others. They may live "
           "or work abroad, in ashrams or in hospitals. In later life they turn toward spiritual "
           "liberation and find peace in solitude."),
    }},
    // Saturn
    {{
        N_("These people are serious, disciplined and reserved, often looking older than their "
           "years when young and younger when old. Success comes slowly and through hard work. "
           "They may be prone to melancholy, chronic aches or a lean build."),
        N_("They speak little and carefully, sometimes harshly. Wealth comes slowly but is kept "
           "with care, and they carry responsibilities for their family from a young age. The "
           "teeth and eyes need attention."),
        N_("These people are persistent and brave in a quiet way, with great stamina for long "
           "efforts. Relations with siblings may be cool or burdened by duty. They succeed in "
           "technical and manual work and usually live long."),
        N_("They may feel that their home lacks warmth, and their mother may face hardship. They "
           "often live in old houses or inherit old property. Peace of mind comes after middle "
           "age, once they have built security."),
        N_("They are serious thinkers with a practical, disciplined intellect. Children may be "
           "delayed or few, and they carry responsibility for them. They do well in research, "
           "engineering or any study that needs patience."),
        N_("They are excellent in service, persistent in work and victorious over enemies in the "
           "long run. Chronic ailments of the legs, joints or nerves can trouble them. They often "
           "serve the poor or work with labour."),
        N_("Marriage may be delayed or the partner older, serious or reserved. Once married, they "
           "are loyal and dutiful. They do best in long-term business partnerships built on trust "
           "and patience."),
        N_("They generally live long but go through chronic difficulties and delays in "
           "inheritance. They are drawn to research and the occult and show great endurance under "
           "stress. Losses teach them detachment."),
        N_("They may hold unorthodox beliefs or question religion, and their father may be "
           "hardworking or distant. Fortune comes through long effort and rises after middle age. "
           "They respect tradition once they have tested it."),
        N_("They are hardworking and ambitious and rise slowly but surely to positions of "
           "responsibility. They suit administration, law, engineering and work with the masses. "
           "Their success lasts because it is earned."),
        N_("They gain steadily through patient work and may have older or influential friends. "
           "Their wishes are fulfilled late but fully. Income from land, industry or labour is "
           "likely."),
        N_("They may live in solitude or in foreign lands and spend on duties and debts. Sleep "
           "can be disturbed, and they may work in hospitals or prisons. Their path leads to "
           "renunciation and spiritual discipline."),
    }},
}};

constexpr std::array<std::array<std::string_view, 12>, 12> HouseLordTexts = {{
    // Lord of the 1st
    {{
        N_("You will be beautiful mentally and physically. You will be intelligent and interested "
           "in the opposite sex."),
        N_("You will be intelligent, happy, prosperous, knowledgeable, virtuous, religious and "
           "honorable."),
        N_("You will be brave and enterprising, rise by your own efforts and have steady support "
           "from your brothers and sisters."),
        N_("You will have a charming personality. You will receive a lot of love from your mother "
           "and father."),
        N_("You will have clever children and a quick mind, and your good name will rest on sound "
           "judgement and past merit."),
        N_("You will overcome rivals and illness by persistence, though debts and disputes may "
           "test your health now and then."),
        N_("You will be devoted to your partner and prosper through marriage; travel and public "
           "dealings will suit you."),
        N_("You will take an interest in hidden and occult subjects and face sudden reversals; "
           "care for your health brings long life."),
        N_("You will be fortunate, devout and respected, with the blessings of your father and "
           "teachers guiding you to a righteous life."),
        N_("You will rise to a position of authority and be honoured for your work; your own "
           "effort will build your reputation."),
        N_("You will enjoy steady gains, a wide circle of influential friends and the goodwill of "
           "elder brothers and sisters."),
        N_("You will spend freely and may settle in a foreign land; your spiritual outlook will "
           "deepen as you grow older."),
    }},
    // Lord of the 2nd
    {{
        N_("You will earn wealth by your own exertion and speak with authority, though you may be "
           "blunt with your family."),
        N_("You will accumulate wealth steadily, speak pleasantly and keep close ties with your "
           "family."),
        N_("You will earn through courage, writing or short journeys, and your siblings may share "
           "in your finances."),
        N_("You will acquire great riches."),
        N_("You will gain money through your learning and your children, and you will be careful "
           "in the way you save."),
        N_("You will earn through service or lending, but guard against debts and quarrels with "
           "relatives over money."),
        N_("You will gain wealth through marriage or business partners, and your spouse will "
           "manage money wisely."),
        N_("You will see family wealth rise and fall and may receive an inheritance; watch your "
           "words in family disputes."),
        N_("You will be wealthy through good fortune and your father's help, and generous in "
           "giving to charity."),
        N_("You will earn well from your profession and be respected by those in authority for "
           "your eloquence."),
        N_("You will be intelligent, happy, prosperous, knowledgeable, virtuous, religious and "
           "honorable."),
        N_("You will find money slipping away on expenses, and you may earn your living far from "
           "your family home."),
    }},
    // Lord of the 3rd
    {{
        N_("You will be self-made, bold and outspoken, earning your living by your own skill and "
           "daring."),
        N_("You will have to work hard for money early on, but your courage and your way with "
           "words will later bring wealth."),
        N_("You will be intelligent, happy, prosperous, knowledgeable, virtuous, religious and "
           "honorable."),
        N_("You will be happy at home and own vehicles, and your siblings will live comfortably "
           "close to your mother."),
        N_("You will have bright and courageous children, and your younger brothers and sisters "
           "will stand by you."),
        N_("You will face friction with your brothers and sisters, yet you will defeat rivals "
           "through determination."),
        N_("You will have an adventurous spouse, and you may go into business with a sibling or a "
           "neighbour."),
        N_("You will need to guard against accidents and quarrels, and your younger siblings may "
           "face hardship."),
        N_("You will gain good fortune through your siblings and your father, and you will travel "
           "on pilgrimage."),
        N_("You will win recognition through communication, media or travel; courage will carry "
           "your career forward."),
        N_("You will profit from your own ventures and from the help of your brothers and "
           "sisters."),
        N_("You will spend on travel and on your siblings, and you may live apart from your "
           "brothers and sisters."),
    }},
    // Lord of the 4th
    {{
        N_("You will be cultured and well educated, inherit property and enjoy the lasting "
           "affection of your mother."),
        N_("You will gain wealth through land and inheritance, and your family will live in "
           "comfort."),
        N_("You will be courageous and generous, with servants and vehicles, though your mother's "
           "health may need care."),
        N_("You will own a fine house and good vehicles, enjoy peace of mind and be devoted to "
           "your mother."),
        N_("You will be loved by all and devoted to God, and your children will add to the "
           "happiness of your home."),
        N_("You will face disputes over property and may worry about your mother's health."),
        N_("You will have a well-educated spouse and may gain land or a house after marriage."),
        N_("You will lack domestic peace at times, and property matters may bring sudden gains or "
           "losses."),
        N_("You will be fortunate in property, well regarded by your father and happy in your "
           "home."),
        N_("You will win success in politics or public life and enjoy the comforts of a high "
           "station."),
        N_("You will earn from land and vehicles, and your mother will be a source of gain and "
           "sound advice."),
        N_("You will live away from your birthplace and may find your home life short of comfort."),
    }},
    // Lord of the 5th
    {{
        N_("You will be learned and renowned, and your children will bring you happiness and "
           "pride."),
        N_("You will gain wealth through your intellect and your children, and your speech will "
           "be wise."),
        N_("You will be a good writer or speaker, and your children will be close to your "
           "siblings."),
        N_("You will be happy with your mother and children, and you may become adviser to a "
           "person in power."),
        N_("You will have intelligent children and a keen mind, and you will be honoured among "
           "learned people."),
        N_("You will find your children at odds with you at times; there may be delays in having "
           "them, or an adoption."),
        N_("You will have a loving, cultured spouse, a marriage of the heart and children who "
           "respect you."),
        N_("You will have few children or worries through them, and your mind may be drawn to "
           "mysticism."),
        N_("You will be a teacher or author, and your children will bring honour and good "
           "fortune."),
        N_("You will achieve status through your intellect, and your children will rise high in "
           "the world."),
        N_("You will gain through speculation and through your children, and you will be learned "
           "and popular."),
        N_("You will turn from worldly pleasures to spiritual study, and your children may settle "
           "abroad."),
    }},
    // Lord of the 6th
    {{
        N_("You will be healthy and strong but drawn into conflict; you can overcome any enemy."),
        N_("You will be adventurous but may speak harshly, and you may earn through service or "
           "lending."),
        N_("You will be quick-tempered, may quarrel with siblings and will face your opponents "
           "boldly."),
        N_("You will face trouble over property or with your mother, and your domestic peace may "
           "be disturbed."),
        N_("You will see ups and downs with your children, and some friends may turn into "
           "enemies."),
        N_("You will destroy your enemies and enjoy good health, and your maternal relatives will "
           "be friendly."),
        N_("You will find your spouse difficult at times, and partnerships may lead to disputes."),
        N_("You will suffer from lingering illness or hidden enemies unless you take good care of "
           "your health."),
        N_("You will have differences with your father or teachers, and your fortune may come "
           "through hard service."),
        N_("You will be well known in your service and respected by colleagues, though rivals "
           "will be active."),
        N_("You will gain from opponents and litigation, and you will earn well through service."),
        N_("You will spend on medical care or lawsuits, but your enemies will fail against you."),
    }},
    // Lord of the 7th
    {{
        N_("You will be attracted to your spouse from a young age, and your partner will be a "
           "strong influence on you."),
        N_("You will gain wealth through your spouse, and your marriage will bring you a "
           "prosperous family."),
        N_("You will have a courageous spouse and may find your partner among neighbours or "
           "fellow travellers."),
        N_("You will have a faithful spouse who brings comfort to your home, and you may prosper "
           "in trade."),
        N_("You will marry a cultured partner, possibly for love, and your children will be "
           "fortunate."),
        N_("You will face disagreements with your spouse, and your partner's health may be weak."),
        N_("You will have a charming and dignified spouse and enjoy happiness in marriage."),
        N_("You will face delays in marriage or times of separation; take care of your partner's "
           "health."),
        N_("You will have a virtuous and fortunate spouse, and travel after marriage will bring "
           "luck."),
        N_("You will find your spouse supportive of your career, and you may work together with "
           "your partner."),
        N_("You will gain through your spouse and business partners and may marry into a wealthy "
           "family."),
        N_("You will have a spouse from a distant place, and spending on your partner may be "
           "heavy."),
    }},
    // Lord of the 8th
    {{
        N_("You will face sudden obstacles and setbacks to health, yet you will be drawn to "
           "occult study and may serve as a healer or investigator."),
        N_("You will see family wealth disturbed by sudden events, and you must guard your "
           "speech, your teeth and your eyes."),
        N_("You will have strained ties with your brothers and sisters, and your courage will be "
           "tested by hard times that you come through."),
        N_("You will have trouble over land or a family inheritance, and your mother's health may "
           "need close attention."),
        N_("You will have worries over your children's health or delays in having them, and your "
           "mind will turn to mystical studies."),
        N_("You will overcome disease and enemies alike, as the troubles of one evil house cancel "
           "the other, and you will live long and secure."),
        N_("You will face trials in marriage and should look after your spouse's health; a "
           "partner's money may cause disputes."),
        N_("You will enjoy long life and may gain through inheritance, insurance or research into "
           "hidden matters."),
        N_("You will see your luck rise and fall, and your father may meet hardship or live far "
           "from you."),
        N_("You will have breaks and sudden changes in your career, and rivals may attack your "
           "reputation."),
        N_("You will receive windfalls from unexpected sources, though elder siblings may suffer "
           "and some gains will not last."),
        N_("You will spend on hidden pleasures or secret debts, yet in the end you may find peace "
           "through meditation and retreat."),
    }},
    // Lord of the 9th
    {{
        N_("You will be fortunate, virtuous and respected by people in power, and you will honour "
           "your father."),
        N_("You will be wealthy, learned and well spoken, and your family will have a good name."),
        N_("You will be lucky through your siblings and will be brave and good-natured."),
        N_("You will enjoy a happy home, fine vehicles and the blessings of your mother."),
        N_("You will have virtuous children and great merit from past lives, and you will be "
           "devoted to God."),
        N_("You will have little support from your father and will face rivals in your fortune."),
        N_("You will gain good fortune after marriage, and your spouse will be virtuous and kind."),
        N_("You will face obstacles in fortune, and your father may not enjoy a long life."),
        N_("You will be very fortunate, generous and devoted to your elders and teachers."),
        N_("You will hold high office, perhaps as a minister, and be respected for your righteous "
           "conduct."),
        N_("You will gain wealth day by day and remain virtuous and devoted to your elders."),
        N_("You will lose fortune through expenses, but you will travel abroad and earn spiritual "
           "merit."),
    }},
    // Lord of the 10th
    {{
        N_("You will be learned and famous, perhaps a poet, and you will rise through your own "
           "efforts."),
        N_("You will be wealthy and virtuous, respected by rulers, and you will prosper in "
           "business."),
        N_("You will be brave and eloquent, and your career may involve writing, media or travel."),
        N_("You will be happy and kind to your mother, and successful in property, vehicles or "
           "education."),
        N_("You will be learned and wealthy, and your career may involve teaching or advising."),
        N_("You will meet opposition from enemies in your career but succeed through hard work."),
        N_("You will find that marriage brings success, and you may work in a partnership."),
        N_("You will face obstacles in your career, but you will live a long life."),
        N_("You will be born into a noble family and will be honoured by those in authority."),
        N_("You will be skilled in all your undertakings, respected and successful in your "
           "profession."),
        N_("You will be intelligent, happy, prosperous, knowledgeable, virtuous, religious and "
           "honorable."),
        N_("You will work far from home or in foreign lands, perhaps in hospitals or places of "
           "retreat."),
    }},
    // Lord of the 11th
    {{
        N_("You will gain through your own efforts and personality, and you will be wealthy, "
           "generous and eloquent."),
        N_("You will accumulate wealth from many sources, and your earnings will keep your family "
           "prosperous."),
        N_("You will profit through your brothers and sisters and your own daring, and you will "
           "be skilled in music or the arts."),
        N_("You will gain through your mother, land and vehicles, and you will live in a "
           "comfortable house."),
        N_("You will gain through your children and your learning, and you will be pious and "
           "shrewd in speculation."),
        N_("You will profit from litigation, lending or service, though illness and quarrels with "
           "maternal relatives may trouble you."),
        N_("You will gain through your spouse's family, and your partner will be a source of "
           "profit."),
        N_("You will meet losses and delays in your gains, and your elder brothers and sisters "
           "may suffer hardship."),
        N_("You will gain through your father and your own good fortune, and you will be "
           "charitable and devout."),
        N_("You will gain through your profession, be honoured by those in power and win rewards "
           "for your work."),
        N_("You will gain through friends and elder siblings, see your wishes fulfilled and enjoy "
           "a long life."),
        N_("You will spend on good causes and on friends abroad, and part of your gains may be "
           "lost through expenses."),
    }},
    // Lord of the 12th
    {{
        N_("You will spend freely and may be delicate in health, but you will be handsome and "
           "soft-spoken."),
        N_("You will spend heavily on your family and on religious causes, and your savings may "
           "dwindle."),
        N_("You will lose through siblings and may be timid, preferring to avoid conflict."),
        N_("You will suffer losses through property and may live far from your mother and your "
           "birthplace."),
        N_("You will lose through children or speculation, and you may find comfort in devotion "
           "and pilgrimage."),
        N_("You will overcome enemies and disease, enjoy good health and grow wealthy as your "
           "rivals lose ground."),
        N_("You will lose through your spouse, and your marriage may be troubled by expenses or "
           "distance."),
        N_("You will gain through secret and hidden means, live long and feel drawn to spiritual "
           "liberation."),
        N_("You will travel abroad, honour your teachers and spend on pilgrimage and sacred "
           "works."),
        N_("You will spend on your profession and may work in hospitals, prisons or foreign "
           "firms."),
        N_("You will earn through foreign trade and spend wisely, so that what goes out returns "
           "to you as gain."),
        N_("You will spend on the welfare of others and on good causes, and you will move toward "
           "final liberation."),
    }},
}};

}  // namespace orbalis
