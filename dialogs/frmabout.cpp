#include "frmabout.h"

#include "platform/fonts.h"
#include "platform/frameplacement.h"
#include "platform/look.h"
#include "platform/platform.h"
#include "platform/twips.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Qt takes time growing with the square of a line's length to wrap a run of
// characters with no blank in it: a file of one endless word (a binary
// file, say) would freeze the viewer. Such runs are cut into pieces of this
// length; text with blanks is left as it is.
constexpr int LongestRun = 1024;

QString withShortRuns(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / LongestRun);
    int runLength = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            runLength = 0;
        } else if (++runLength > LongestRun && !c.isLowSurrogate()) {
            result += QLatin1Char('\n');
            runLength = 1;
        }
        result += c;
    }
    return result;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));
    setWindowFlags(look::DialogFrame);
    setWindowIcon(look::windowIcon(QStringLiteral("books")));
    setFont(fonts::fixedPitch());
    setPalette(look::classicPalette());
    setAutoFillBackground(true);

    const QSize client(twips::toPixels(7170), twips::toPixels(4800));
    setFixedSize(client);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rect(2760, 4080, 1452, 612));
    QFont bold = fonts::controls();
    bold.setBold(true);
    cmdOK->setFont(bold);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    txtWindow = new QPlainTextEdit(this);
    txtWindow->setObjectName(QStringLiteral("txtWindow"));
    txtWindow->setAccessibleName(tr("Text"));
    // 7215 twips wide in the layout, a few pixels more than the window: kept
    // within it so that the scroll bar is not cut off.
    QRect textArea = twips::rect(0, 0, 7215, 3855);
    textArea.setWidth(std::min(textArea.width(), client.width()));
    txtWindow->setGeometry(textArea);
    txtWindow->setReadOnly(true);
    txtWindow->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtWindow->setFocusPolicy(Qt::StrongFocus);
    txtWindow->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtWindow->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtWindow->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    setTabOrder(cmdOK, txtWindow);
    cmdOK->setFocus();
    // Centred on the screen by its outer frame, whatever window it is
    // opened over.
    FramePlacement::place(this, [](const QSize& frameSize, const QMargins&) {
        return FramePlacement::centred(platform::primaryScreenGeometry(), frameSize);
    });
}

void frmAbout::OpenFile(const QString& Filename)
{
    const QString path = platform::programDirectory() + QLatin1Char('/') + Filename;
    if (const std::optional<QString> content = platform::readTextFile(path)) {
        setText(*content);
        return;
    }
    platform::messageBox(this, tr("Error encountered while trying to open file, please retry."),
                         tr("Text Editor"), platform::MessageIcon::Exclamation);
}

void frmAbout::setText(const QString& text)
{
    // The text box takes CR LF and a lone CR as line breaks by itself.
    txtWindow->setPlainText(withShortRuns(text));
}

QString frmAbout::text() const
{
    return txtWindow->toPlainText();
}

void frmAbout::showFile(QWidget* parent, const QString& fileName, const QString& caption)
{
    frmAbout viewer(parent);
    viewer.OpenFile(fileName);
    viewer.setWindowTitle(caption);
    platform::showModal(viewer);
}

void frmAbout::showFormatsHelp(QWidget* parent)
{
    showFile(parent, QStringLiteral("Formats.txt"), tr("Help on Formats"));
}

void frmAbout::showText(QWidget* parent, const QString& text, const QString& caption)
{
    frmAbout viewer(parent);
    viewer.setText(text);
    viewer.setWindowTitle(caption);
    platform::showModal(viewer);
}
