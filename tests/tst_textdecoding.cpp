// The text decoder on files as spreadsheet programs on Windows save them:
// UTF-8 with and without a byte order mark, "Unicode Text" (UTF-16), and
// Western Windows text, whole and in pieces of every size.

#include "textdecoding.h"

#include <QTest>

#include <string>

using namespace spanwright;

Q_DECLARE_METATYPE(TextEncoding)

namespace {

// UTF-16 as Qt writes it, to check the decoder against another encoder.
std::string utf16(const QString& text, bool littleEndian, bool byteOrderMark)
{
    std::string bytes;
    const QString all = byteOrderMark ? QChar(0xFEFF) + text : text;
    for (const QChar c : all) {
        const char low = static_cast<char>(c.unicode() & 0xFF);
        const char high = static_cast<char>(c.unicode() >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

struct Decoded
{
    std::string text;
    TextEncoding encoding;
    bool byteOrderMark;
    unsigned long long faulty;
};

Decoded decodeInPieces(const std::string& bytes, size_t pieceSize)
{
    TextDecoder decoder;
    Decoded decoded;
    for (size_t start = 0; start < bytes.size(); start += pieceSize)
        decoded.text += decoder.decode(std::string_view(bytes).substr(start, pieceSize));
    decoded.text += decoder.finish();
    decoded.encoding = decoder.encoding();
    decoded.byteOrderMark = decoder.hadByteOrderMark();
    decoded.faulty = decoder.faultyBytes();
    return decoded;
}

const QString Header = QStringLiteral("Nom\tNaissance\tDécès\r\n");
const QString Row = QStringLiteral("Lefèvre, Zoë\t3/5/1850\t1750–1755\r\n");
const std::string Bom = "\xEF\xBB\xBF";

} // namespace

class TestTextDecoding : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void encodingNames_data();
    void encodingNames();
    void givenEncoding();
};

void TestTextDecoding::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("byteOrderMark");
    QTest::addColumn<int>("faulty");

    const auto add = [](const char* name, const std::string& bytes, const std::string& text, TextEncoding encoding,
                        bool byteOrderMark, int faulty) {
        QTest::newRow(name) << QByteArray::fromStdString(bytes) << QByteArray::fromStdString(text) << encoding
                            << byteOrderMark << faulty;
    };
    const std::string text = utf8(Header + Row);
    add("UTF-8", text, text, TextEncoding::Utf8, false, 0);
    add("UTF-8 with a byte order mark", Bom + text, Bom + text, TextEncoding::Utf8, true, 0);
    add("ASCII", "Name,Born\n1,2\n", "Name,Born\n1,2\n", TextEncoding::Utf8, false, 0);
    add("empty", "", "", TextEncoding::Utf8, false, 0);
    add("one byte", "a", "a", TextEncoding::Utf8, false, 0);
    add("Unicode Text (UTF-16LE with a byte order mark)", utf16(Header + Row, true, true), Bom + text,
        TextEncoding::Utf16LittleEndian, true, 0);
    add("UTF-16LE without a byte order mark", utf16(Header + Row, true, false), text,
        TextEncoding::Utf16LittleEndian, false, 0);
    add("UTF-16BE with a byte order mark", utf16(Header + Row, false, true), Bom + text,
        TextEncoding::Utf16BigEndian, true, 0);
    add("UTF-16BE without a byte order mark", utf16(Header + Row, false, false), text,
        TextEncoding::Utf16BigEndian, false, 0);
    const QString beyondPlane = QStringLiteral("Name\n\U00020B9F\n"); // a surrogate pair
    add("UTF-16LE, a character beyond U+FFFF", utf16(beyondPlane, true, true), Bom + utf8(beyondPlane),
        TextEncoding::Utf16LittleEndian, true, 0);
    add("UTF-16LE cut in a character", utf16("Name\n", true, true) + "A", Bom + "Name\n\xEF\xBF\xBD",
        TextEncoding::Utf16LittleEndian, true, 1);
    add("UTF-16LE ending in a high surrogate", utf16("Name\n", true, true) + std::string("\x3D\xD8", 2),
        Bom + "Name\n\xEF\xBF\xBD", TextEncoding::Utf16LittleEndian, true, 2);
    add("UTF-16LE, a low surrogate alone", utf16("a", true, true) + std::string("\x00\xDC", 2) + utf16("b", true, false),
        Bom + "a\xEF\xBF\xBD" "b", TextEncoding::Utf16LittleEndian, true, 2);
    // Windows-1252: é è ’ – “ ” €, and the C1 control it leaves unassigned.
    add("Windows-1252", "Nom;D\xE9" "c\xE8s\r\nO\x92" "Brien;1750\x96" "1755;\x93" "Bill\x94;\x80\x81\r\n",
        "Nom;Décès\r\nO’Brien;1750–1755;“Bill”;€\xC2\x81\r\n", TextEncoding::Windows1252, false, 0);
    const std::string asciiStart(70000, 'x'); // more than the first slice
    add("Windows-1252, the first accented letter late", asciiStart + "\nM\xFCller\n", asciiStart + "\nMüller\n",
        TextEncoding::Windows1252, false, 0);
    add("Windows-1252, an accented letter last", "Name\nRen\xE9", "Name\nRené", TextEncoding::Windows1252, false, 0);
    add("Windows-1252, a letter that starts a UTF-8 character", "Name\n\xC9mile Roy\n", "Name\nÉmile Roy\n",
        TextEncoding::Windows1252, false, 0);
    add("UTF-8 with one stray Windows-1252 byte", "Name\nMüller\nSchr\xF6" "der\n", "Name\nMüller\nSchröder\n",
        TextEncoding::Utf8, false, 1);
    add("UTF-8 cut in its last character", "Name\nMüller\nZo\xC3", "Name\nMüller\nZoÃ", TextEncoding::Utf8, false, 1);
    add("UTF-8, an overlong slash is no UTF-8", "é\n\xC0\xAF\n", "é\nÀ¯\n", TextEncoding::Utf8, false, 2);
    add("UTF-8, an overlong three-byte slash is no UTF-8", "é\n\xE0\x80\xAF", "é\nà€¯", TextEncoding::Utf8, false, 3);
    add("UTF-8, an encoded surrogate is no UTF-8", "é\n\xED\xA0\x80\n", "é\ní\xC2\xA0€\n", TextEncoding::Utf8, false, 3);
    add("UTF-8, four bytes", "é\n\xF0\xA0\xAE\x9F\n", "é\n\xF0\xA0\xAE\x9F\n", TextEncoding::Utf8, false, 0);
    add("UTF-8, past U+10FFFF is no UTF-8", "é\n\xF4\x90\x80\x80", "é\nô\xC2\x90€€", TextEncoding::Utf8, false, 4);
}

void TestTextDecoding::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, byteOrderMark);
    QFETCH(int, faulty);

    const std::string input = bytes.toStdString();
    for (size_t pieceSize : {size_t(1), size_t(2), size_t(3), size_t(5), size_t(4096), input.size() + 1}) {
        const Decoded decoded = decodeInPieces(input, pieceSize);
        const QByteArray where = "in pieces of " + QByteArray::number(qulonglong(pieceSize));
        QVERIFY2(decoded.text == text.toStdString(), where + ": " + QByteArray::fromStdString(decoded.text).toPercentEncoding(" ,;"));
        QVERIFY2(decoded.encoding == encoding, where + ": " + QByteArray(encodingName(decoded.encoding).data()));
        QVERIFY2(decoded.byteOrderMark == byteOrderMark, where);
        QVERIFY2(decoded.faulty == static_cast<unsigned long long>(faulty), where + ": " + QByteArray::number(decoded.faulty));
    }
    const DecodedText whole = decodeText(input);
    QCOMPARE(whole.text, text.toStdString());
    QCOMPARE(whole.encoding, encoding);
}

void TestTextDecoding::encodingNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("encoding"); // -1: none

    QTest::newRow("UTF-8") << "UTF-8" << int(TextEncoding::Utf8);
    QTest::newRow("utf8") << "utf8" << int(TextEncoding::Utf8);
    QTest::newRow("UTF-16LE") << "UTF-16LE" << int(TextEncoding::Utf16LittleEndian);
    QTest::newRow("utf_16be") << "utf_16be" << int(TextEncoding::Utf16BigEndian);
    QTest::newRow("CP1252") << "CP1252" << int(TextEncoding::Windows1252);
    QTest::newRow("windows-1252") << "windows-1252" << int(TextEncoding::Windows1252);
    QTest::newRow("latin1 is another") << "latin1" << -1;
    QTest::newRow("UTF-16 says no order") << "UTF-16" << -1;
}

void TestTextDecoding::encodingNames()
{
    QFETCH(QString, name);
    QFETCH(int, encoding);
    const std::optional<TextEncoding> named = encodingNamed(name.toStdString());
    QCOMPARE(named ? int(*named) : -1, encoding);
    if (named)
        QVERIFY(encodingNamed(encodingName(*named)) == named);
}

void TestTextDecoding::givenEncoding()
{
    // Told, the decoder reads no byte order mark and no NUL as a sign.
    TextDecoder windows(TextEncoding::Windows1252);
    QCOMPARE(std::string(windows.decode("\xEF\xBB\xBF" "a")), std::string("ï»¿a"));
    TextDecoder utf16(TextEncoding::Utf16BigEndian);
    QCOMPARE(std::string(utf16.decode(std::string("\x00\xE9\x00\x0A", 4))), std::string("é\n"));
}

QTEST_APPLESS_MAIN(TestTextDecoding)
#include "tst_textdecoding.moc"
