#include "frmabout.h"

#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/twips.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QIcon booksIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/books-32.xpm"));
    icon.addFile(QStringLiteral(":/icons/books-16.xpm"));
    return icon;
}

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
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(booksIcon());
    setFont(fonts::fixedPitch());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(grey);
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
    centreOnScreen();
}

void frmAbout::centreOnScreen()
{
    // Centred on the screen, whatever window it is opened over, by its outer
    // size. The frame is known only once the window exists, so this runs
    // again when it is shown; a window manager that adds its frame later
    // still leaves the viewer within half a frame of the centre.
    const QRect screen = platform::primaryScreenGeometry();
    const QSize outer = frameGeometry().size();
    move(screen.x() + screen.width() / 2 - outer.width() / 2,
         screen.y() + screen.height() / 2 - outer.height() / 2);
}

void frmAbout::showEvent(QShowEvent* event)
{
    centreOnScreen();
    QDialog::showEvent(event);
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
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    txtWindow->setPlainText(withShortRuns(lines));
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

void frmAbout::showText(QWidget* parent, const QString& text, const QString& caption)
{
    frmAbout viewer(parent);
    viewer.setText(text);
    viewer.setWindowTitle(caption);
    platform::showModal(viewer);
}
