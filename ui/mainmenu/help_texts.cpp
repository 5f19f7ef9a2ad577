#include "ui/mainmenu/help_texts.h"

#include "core/app_state.h"
#include "ui/common/message_box.h"

#include <QStringList>

namespace {

const QString kBreak = QStringLiteral("\r\n");
const QString kBlankLine = kBreak + kBreak;

const QString kCopyrightNotice =
    QStringLiteral("Copyright \u00A9 2003\u20132026 the Quillora developers. All rights reserved.");
const QString kWebAddress = QStringLiteral("www.quillora.example");

QString quoted(const QString &words)
{
    return QLatin1Char('"') + words + QLatin1Char('"');
}

} // namespace

QString what_is_text()
{
    return QStringLiteral("What is Quillora?") + kBlankLine
         + QStringLiteral("        Quillora is a computerized sign-in board that adds something special "
                          "to any celebration. It's entertainment for your guests, helps break the "
                          "ice, and records")
         + QStringLiteral(" great memories for you to look back on. Quillora is easy-to-use, and "
                          "definitely much niftier than a tired old piece of poster board or sign-in "
                          "book. Plus, Quillora never runs out of room to accept more signatures, "
                          "gives you instant access to signatures whenever you want, stores private "
                          "messages, and can be used an unlimited number of times!");
}

QString how_to_use_text()
{
    const QStringList parts{
        QStringLiteral("How do I use Quillora?"),
        QStringLiteral("Using Quillora is simple, and involves only three basic steps:"),
        QStringLiteral("1) Click the chalkboard icon and follow the onscreen instructions to create a "
                       "sign-in board with your desired look and feel."),
        QStringLiteral("2) When you're ready to use your sign-in board, select it on Quillora's "
                       "opening screen and then click the green traffic light. People can begin "
                       "signing your board immediately!"),
        QStringLiteral("3) After the party, click the ") + quoted(QStringLiteral("chalkboard with eyes"))
            + QStringLiteral(" icon to browse all your signatures."),
    };
    return parts.join(kBlankLine);
}

QString export_help_text()
{
    // The steps keep two blanks after their numbers.
    const QStringList parts{
        QStringLiteral("How can I export my signatures?"),
        QStringLiteral("1)  Select a sign-in board on Quillora's  opening screen."),
        QStringLiteral("2)  Click the ") + quoted(QStringLiteral("chalkboard with eyes"))
            + QStringLiteral(" icon to browse your signatures."),
        QStringLiteral("3)  Click ") + quoted(QStringLiteral("Export"))
            + QStringLiteral(" on the menu bar to view all signatures at once."),
        QStringLiteral("4)  Click ") + quoted(QStringLiteral("Copy to Clipboard"))
            + QStringLiteral(" (on the menu bar)"),
        QStringLiteral("You can now open most any other program (for example use Notepad to print) and ")
            + quoted(QStringLiteral("Paste")) + QStringLiteral(" your signatures from the ")
            + quoted(QStringLiteral("Edit")) + QStringLiteral(" menu."),
    };
    return parts.join(kBlankLine);
}

QString about_text()
{
    return kAppTitle + QLatin1Char(' ') + kBlankLine + kCopyrightNotice + kBlankLine + kWebAddress
         + QStringLiteral(" .");
}

void show_about(QWidget *parent)
{
    show_message(parent, MessageIcon::Information, about_text());
}
