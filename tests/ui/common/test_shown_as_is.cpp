// Texts are shown as they are, and pictures are read only from regular
// files of the media folder.
#include "tests/support/test_support.h"
#include "ui/common/message_box.h"
#include "ui/common/pictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void watchdog(int)
{
    static const char text[] = "a picture read hung\n";
    (void)!::write(2, text, sizeof text - 1);
    ::_exit(3);
}

} // namespace

class TestShownAsIs : public WindowTest {
    Q_OBJECT

private slots:
    void markup_in_a_message_is_shown_literally();
    void pictures_come_only_from_regular_files();
};

void TestShownAsIs::markup_in_a_message_is_shown_literally()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("large.png"));
    QImage large(1600, 1600, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QVERIFY(large.save(picture));
    const QString thanks = QStringLiteral("<b>Bold</b> <img src=\"%1\">").arg(picture);

    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    int label_height = 0;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        shown = label->text();
        format = label->textFormat();
        label_height = label->sizeHint().height();
        box->accept();
    });
    show_message(nullptr, MessageIcon::Information, thanks);
    QCOMPARE(shown, thanks);
    QCOMPARE(format, Qt::PlainText);
    // The picture was not loaded into the box: one line of text.
    QVERIFY2(label_height < 100, qPrintable(QStringLiteral("label %1 px high").arg(label_height)));
}

void TestShownAsIs::pictures_come_only_from_regular_files()
{
    std::signal(SIGALRM, watchdog);
    ::alarm(20);
    TempAppFolder folder(false);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("media")));
    QTemporaryDir outside;
    const QString real = outside.filePath(QStringLiteral("real.jpg"));
    QVERIFY(QImage(8, 6, QImage::Format_RGB32).save(real, "JPG"));
    QVERIFY(QFile::copy(real, folder.file(QStringLiteral("media/plain.jpg"))));
    QCOMPARE(load_picture(QStringLiteral("plain.jpg")).size(), QSize(8, 6));

    QVERIFY(QFile::link(real, folder.file(QStringLiteral("media/linked.jpg"))));
    QVERIFY(load_picture(QStringLiteral("linked.jpg")).isNull());

    // A pipe would never give its bytes: the windows show without it.
    QVERIFY(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("media/mback.jpg"))).constData(), 0600) == 0);
    QVERIFY(load_picture(QStringLiteral("mback.jpg")).isNull());
    ::alarm(0);
}

QTEST_MAIN(TestShownAsIs)
#include "test_shown_as_is.moc"
