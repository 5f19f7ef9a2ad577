#include "tests/support/test_support.h"
#include "ui/mainmenu/help_texts.h"
#include "ui/mainmenu/main_menu.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

// The texts as the user sees them, byte for byte (UTF-8, CR LF breaks).
const QByteArray kWhatIs =
    "What is Quillora?\r\n\r\n"
    "        Quillora is a computerized sign-in board that adds something special to any "
    "celebration. It's entertainment for your guests, helps break the ice, and records great "
    "memories for you to look back on. Quillora is easy-to-use, and definitely much niftier than "
    "a tired old piece of poster board or sign-in book. Plus, Quillora never runs out of room to "
    "accept more signatures, gives you instant access to signatures whenever you want, stores "
    "private messages, and can be used an unlimited number of times!";

const QByteArray kHowToUse =
    "How do I use Quillora?\r\n\r\n"
    "Using Quillora is simple, and involves only three basic steps:\r\n\r\n"
    "1) Click the chalkboard icon and follow the onscreen instructions to create a sign-in board "
    "with your desired look and feel.\r\n\r\n"
    "2) When you're ready to use your sign-in board, select it on Quillora's opening screen and "
    "then click the green traffic light. People can begin signing your board immediately!\r\n\r\n"
    "3) After the party, click the \"chalkboard with eyes\" icon to browse all your signatures.";

const QByteArray kExport =
    "How can I export my signatures?\r\n\r\n"
    "1)  Select a sign-in board on Quillora's  opening screen.\r\n\r\n"
    "2)  Click the \"chalkboard with eyes\" icon to browse your signatures.\r\n\r\n"
    "3)  Click \"Export\" on the menu bar to view all signatures at once.\r\n\r\n"
    "4)  Click \"Copy to Clipboard\" (on the menu bar)\r\n\r\n"
    "You can now open most any other program (for example use Notepad to print) and \"Paste\" "
    "your signatures from the \"Edit\" menu.";

// "©" is C2 A9 and the en dash E2 80 93 in UTF-8.
const QByteArray kAbout =
    "Quillora 2003 \r\n\r\n"
    "Copyright \xC2\xA9 2003\xE2\x80\x93"
    "2026 the Quillora developers. All rights reserved.\r\n\r\n"
    "www.quillora.example .";

} // namespace

class HelpTextsTest : public WindowTest {
    Q_OBJECT


private slots:
    void init() { open_fixture(); }

    void help_menu_shows_the_texts()
    {
        Form1 *w = Form1::open();
        for (const char *item : {"help_whatis", "hdi_use", "hci_export", "mabout"})
            w->findChild<QAction *>(QLatin1String(item))->trigger();
        QCOMPARE(messages->boxes.size(), 4);
        const QList<QByteArray> expected{kWhatIs, kHowToUse, kExport, kAbout};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(messages->boxes[i].first, MessageIcon::Information);
            QCOMPARE(messages->boxes[i].second.toUtf8(), expected[i]);
        }
        // Nothing but the boxes: the main menu stays.
        QCOMPARE(windows_of<Form1>().size(), 1);
    }

    void about_box_is_shared()
    {
        // The board calls show_about with its own window; the text is the same.
        show_about(nullptr);
        QCOMPARE(messages->boxes.size(), 1);
        QCOMPARE(messages->boxes[0].first, MessageIcon::Information);
        QCOMPARE(messages->boxes[0].second.toUtf8(), kAbout);
        QCOMPARE(about_text().toUtf8(), kAbout);

        const QStringList lines = about_text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("Quillora 2003 "));
        QVERIFY(lines[1].isEmpty() && lines[3].isEmpty());
    }
};

QTEST_MAIN(HelpTextsTest)
#include "test_help_texts.moc"
