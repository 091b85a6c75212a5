// The fixed feasts of the English and German registers, with their Latin and
// German names: the saints' days and the quarter days as C. R. Cheney,
// Handbook of Dates for Students of British History (revised by M. Jones,
// 2000), lists them, and H. Grotefend, Taschenbuch der Zeitrechnung des
// deutschen Mittelalters und der Neuzeit (13th ed., 1991), for the German
// and Latin names. Where a name is used for two feasts (St John the Baptist,
// 24 June, and St John the Evangelist, 27 December), the bare name is the
// one English and German records mean by it: "St John", "Johannis" and
// "St John's Eve" are Midsummer's; the answer names the feast it took.
#include "olddating/feasts.h"

namespace spanwright {

namespace {

using Kind = Feast::Kind;

constexpr Feast FixedFeasts[] = {
    {"New Year's Day (1 Jan)", "NEW YEAR|CIRCUMCISION|CIRCUMCISION LORD|CIRCUMCISIO|CIRCUMCISIO DOMINI|NEUJAHR|NEUJAHRSTAG",
     Kind::Fixed, 1, 1, 0, false},
    {"Epiphany (6 Jan)", "EPIPHANY|TWELFTH|TWELFTHDAY|EPIPHANIA|EPIPHANIAM|EPIPHANIAE|EPIPHANIA DOMINI|EPIPHANIAS|"
     "HEILIGE DREI KOENIGE|DREI KOENIGE|DREIKOENIGSTAG|DREIKOENIG", Kind::Fixed, 1, 6, 0, false},
    {"St Hilary (13 Jan)", "HILARY|HILARII|HILARIUS", Kind::Fixed, 1, 13, 0, false},
    {"Conversion of St Paul (25 Jan)", "CONVERSION PAUL|CONVERSIO PAULI|PAULI CONVERSIO|PAULI BEKEHRUNG",
     Kind::Fixed, 1, 25, 0, false},
    {"Candlemas (2 Feb)", "CANDLEMAS|PURIFICATION|PURIFICATION MARY|PURIFICATIO|PURIFICATIO MARIAE|LICHTMESS|"
     "MARIAE LICHTMESS|MARIAE REINIGUNG", Kind::Fixed, 2, 2, 0, false},
    {"St Valentine (14 Feb)", "VALENTINE|VALENTINI", Kind::Fixed, 2, 14, 0, false},
    {"Chair of St Peter (22 Feb)", "CHAIR PETER|CATHEDRA PETRI|PETRI STUHLFEIER", Kind::Fixed, 2, 22, 0, false},
    {"St Matthias (24 Feb, 25 Feb in a leap year)", "MATTHIAS|MATHIAS|MATTHIAE|MATHIAE", Kind::Fixed, 2, 24, 0, true},
    {"St David (1 Mar)", "DAVID|DAVIDIS", Kind::Fixed, 3, 1, 0, false},
    {"St Gregory (12 Mar)", "GREGORY|GREGORII", Kind::Fixed, 3, 12, 0, false},
    {"St Patrick (17 Mar)", "PATRICK|PATRICII", Kind::Fixed, 3, 17, 0, false},
    {"Lady Day (25 Mar)", "LADY|ANNUNCIATION|ANNUNCIATION MARY|ANNUNCIATION OUR LADY|ANNUNTIATIO|ANNUNTIATIO MARIAE|"
     "ANNUNCIATIO MARIAE|MARIAE VERKUENDIGUNG|VERKUENDIGUNG MARIAE", Kind::Fixed, 3, 25, 0, false},
    {"St George (23 Apr)", "GEORGE|GEORGII|GEORGI", Kind::Fixed, 4, 23, 0, false},
    {"St Mark (25 Apr)", "MARK|MARCI|MARCUS", Kind::Fixed, 4, 25, 0, false},
    {"SS Philip and James (1 May)", "PHILIP AND JAMES|PHILIP & JAMES|PHILIPPI ET JACOBI|PHILIPPI JACOBI|"
     "PHILIPPI UND JACOBI|MAYDAY", Kind::Fixed, 5, 1, 0, false},
    {"Invention of the Cross (3 May)", "INVENTION CROSS|INVENTIO CRUCIS|KREUZAUFFINDUNG|KREUZERFINDUNG",
     Kind::Fixed, 5, 3, 0, false},
    {"Whitsunday term day (15 May)", "WHITSUNDAY TERM|WHITSUN TERM|WHITSUNDAY TERM DAY", Kind::Fixed, 5, 15, 0, false},
    {"St Barnabas (11 Jun)", "BARNABAS|BARNABY|BARNABAE", Kind::Fixed, 6, 11, 0, false},
    {"St John the Baptist (Midsummer, 24 Jun)", "MIDSUMMER|JOHN|JOHN BAPTIST|NATIVITY JOHN BAPTIST|JOHANNIS|JOHANNES|"
     "JOHANNISTAG|JOHANNIS BAPTISTAE|NATIVITAS JOHANNIS BAPTISTAE|NATIVITAS JOHANNIS|JOHANNES DER TAEUFER|"
     "JOHANNIS DES TAEUFERS|JOHANNIS BAPTISTE", Kind::Fixed, 6, 24, 0, false},
    {"SS Peter and Paul (29 Jun)", "PETER AND PAUL|PETER & PAUL|PETRI ET PAULI|PETRI PAULI|PETRI UND PAULI|"
     "PETER UND PAUL", Kind::Fixed, 6, 29, 0, false},
    {"Visitation (2 Jul)", "VISITATION|VISITATION MARY|VISITATIO MARIAE|MARIAE HEIMSUCHUNG|HEIMSUCHUNG MARIAE",
     Kind::Fixed, 7, 2, 0, false},
    {"St Swithun (15 Jul)", "SWITHUN|SWITHIN|SWITHINI", Kind::Fixed, 7, 15, 0, false},
    {"St Margaret (20 Jul)", "MARGARET|MARGARETAE|MARGARETHAE|MARGARETHE", Kind::Fixed, 7, 20, 0, false},
    {"St Mary Magdalene (22 Jul)", "MARY MAGDALENE|MAGDALENE|MAGDALEN|MARIAE MAGDALENAE|MAGDALENAE|MARIA MAGDALENA",
     Kind::Fixed, 7, 22, 0, false},
    {"St James (25 Jul)", "JAMES|JACOBI|JAKOBI|JACOBUS|JAKOBUS", Kind::Fixed, 7, 25, 0, false},
    {"St Anne (26 Jul)", "ANNE|ANNAE|ANNA", Kind::Fixed, 7, 26, 0, false},
    {"Lammas (1 Aug)", "LAMMAS|LAMMAS DAY|PETER AD VINCULA|PETRI AD VINCULA|AD VINCULA|PETRI KETTENFEIER",
     Kind::Fixed, 8, 1, 0, false},
    {"St Lawrence (10 Aug)", "LAWRENCE|LAURENCE|LAURENTII|LAURENTIUS|LORENZ", Kind::Fixed, 8, 10, 0, false},
    {"Assumption (15 Aug)", "ASSUMPTION|ASSUMPTION MARY|ASSUMPTIO|ASSUMPTIO MARIAE|MARIAE HIMMELFAHRT|"
     "HIMMELFAHRT MARIAE", Kind::Fixed, 8, 15, 0, false},
    {"St Bartholomew (24 Aug)", "BARTHOLOMEW|BARTHOLOMAEI|BARTHOLOMEI|BARTHOLOMAEUS", Kind::Fixed, 8, 24, 0, false},
    {"Nativity of the Virgin Mary (8 Sep)", "NATIVITY MARY|NATIVITAS MARIAE|MARIAE GEBURT", Kind::Fixed, 9, 8, 0,
     false},
    {"Holy Cross (14 Sep)", "HOLY CROSS|HOLY ROOD|HOLYROOD|HOLY ROOD DAY|EXALTATION CROSS|EXALTATIO CRUCIS|"
     "KREUZERHOEHUNG", Kind::Fixed, 9, 14, 0, false},
    {"St Matthew (21 Sep)", "MATTHEW|MATTHAEI|MATHEI|MATTHAEUS", Kind::Fixed, 9, 21, 0, false},
    {"Michaelmas (29 Sep)", "MICHAELMAS|MICHAEL|MICHAEL ARCHANGEL|MICHAEL AND ALL ANGELS|MICHAELIS|MICHAELI|"
     "MICHAELIS ARCHANGELI|MICHAELISTAG|MICHAELSTAG", Kind::Fixed, 9, 29, 0, false},
    {"St Luke (18 Oct)", "LUKE|LUCAE|LUKAS|LUCAS", Kind::Fixed, 10, 18, 0, false},
    {"SS Simon and Jude (28 Oct)", "SIMON AND JUDE|SIMON & JUDE|SIMONIS ET JUDAE|SIMONIS JUDAE|SIMON UND JUDAS",
     Kind::Fixed, 10, 28, 0, false},
    {"All Saints (1 Nov)", "ALL SAINTS|ALL HALLOWS|ALLHALLOWS|HALLOWMAS|OMNIUM SANCTORUM|ALLERHEILIGEN",
     Kind::Fixed, 11, 1, 0, false},
    {"All Souls (2 Nov)", "ALL SOULS|OMNIUM ANIMARUM|ALLERSEELEN", Kind::Fixed, 11, 2, 0, false},
    {"Martinmas (11 Nov)", "MARTINMAS|MARTIN|MARTINI|MARTINUS|MARTINSTAG|MARTINI EPISCOPI", Kind::Fixed, 11, 11, 0,
     false},
    {"St Catherine (25 Nov)", "CATHERINE|KATHERINE|CATHARINAE|KATHARINAE|KATHARINA", Kind::Fixed, 11, 25, 0, false},
    {"St Andrew (30 Nov)", "ANDREW|ANDREAE|ANDREAS|ANDREASTAG", Kind::Fixed, 11, 30, 0, false},
    {"St Nicholas (6 Dec)", "NICHOLAS|NICOLAI|NIKOLAUS|NICOLAUS", Kind::Fixed, 12, 6, 0, false},
    {"Conception of the Virgin Mary (8 Dec)", "CONCEPTION|CONCEPTION MARY|CONCEPTIO MARIAE|MARIAE EMPFAENGNIS",
     Kind::Fixed, 12, 8, 0, false},
    {"St Lucy (13 Dec)", "LUCY|LUCIAE|LUCIA", Kind::Fixed, 12, 13, 0, false},
    {"St Thomas the Apostle (21 Dec)", "THOMAS|THOMAS APOSTLE|THOMAE|THOMAE APOSTOLI", Kind::Fixed, 12, 21, 0, false},
    {"Christmas (25 Dec)", "CHRISTMAS|NATIVITY|NATIVITY LORD|NATIVITY CHRIST|NATIVITAS DOMINI|NATALE DOMINI|"
     "NATIVITAS CHRISTI|WEIHNACHTEN|CHRISTTAG|YULE", Kind::Fixed, 12, 25, 0, false},
    {"St Stephen (26 Dec)", "STEPHEN|STEPHANI|STEPHANUS|STEFAN|STEPHANSTAG", Kind::Fixed, 12, 26, 0, false},
    {"St John the Evangelist (27 Dec)", "JOHN EVANGELIST|JOHN APOSTLE|JOHANNIS EVANGELISTAE|JOHANNES EVANGELIST",
     Kind::Fixed, 12, 27, 0, false},
    {"Holy Innocents (28 Dec)", "HOLY INNOCENTS|INNOCENTS|CHILDERMAS|INNOCENTIUM|SANCTORUM INNOCENTIUM|"
     "UNSCHULDIGE KINDER|UNSCHULDIGEN KINDER", Kind::Fixed, 12, 28, 0, false},
    {"St Silvester (31 Dec)", "SILVESTER|SYLVESTER|SILVESTRI", Kind::Fixed, 12, 31, 0, false},
};

} // namespace

const Feast* fixedFeasts(size_t& count)
{
    count = sizeof(FixedFeasts) / sizeof(FixedFeasts[0]);
    return FixedFeasts;
}

} // namespace spanwright
