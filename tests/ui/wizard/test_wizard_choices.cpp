// The backdrop and theme pickers (steps 2 and 3) and the sound lists (step 5).
#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "tests/support/test_support.h"
#include "tests/ui/wizard/wizard_driver.h"
#include "ui/wizard/step2_window.h"
#include "ui/wizard/step3_window.h"
#include "ui/wizard/step5_window.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>

namespace {

PictureArea *thumb(int i)
{
    return part<PictureArea>(qPrintable(QStringLiteral("Image3_%1").arg(i)));
}

int framed_thumbnail()
{
    auto *shape = part<QWidget>("Shape1");
    for (int i = 0; shape && i < 7; ++i) {
        if (shape->pos() == thumb(i)->pos() - QPoint(3, 3))
            return i;
    }
    return -1;
}

QStringList entries(const char *list_name)
{
    QStringList out;
    auto *list = part<QListWidget>(list_name);
    for (int i = 0; list && i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QString selected(const char *list_name)
{
    auto *list = part<QListWidget>(list_name);
    if (!list || list->selectedItems().isEmpty())
        return QString();
    return list->selectedItems().first()->text();
}

void double_click(const char *list_name, int row)
{
    auto *list = part<QListWidget>(list_name);
    QVERIFY(list);
    const QRect place = list->visualItemRect(list->item(row));
    // The first click of a double click selects the entry.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    settle();
}

// A media folder of its own with every backdrop and theme picture, b_0.jpg too.
void write_thumbnails(const TempAppFolder &app)
{
    QDir(app.path()).mkpath(QStringLiteral("media"));
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int i = 0; i < 7; ++i) {
        QVERIFY(image.save(app.file(QStringLiteral("media/b_%1.jpg").arg(i)), "JPG"));
        QVERIFY(image.save(app.file(QStringLiteral("media/t_%1.jpg").arg(i)), "JPG"));
    }
}

} // namespace

class TestWizardChoices : public WindowTest {
    Q_OBJECT
private slots:
    void pickers_layout();
    void picker_choice_travels_through_arrows();
    void picker_opens_on_stored_index();
    void sound_lists_fill_from_audio_folder();
    void sound_choice_and_preview();
};

void TestWizardChoices::pickers_layout()
{
    TempAppFolder app(false);
    write_thumbnails(app);
    reset_board();
    Form3::open();
    const QStringList backdrops{"Default (Halo)", "Clouds", "Pink Marble", "Red Roses",
                                "Sea Shells", "Psycho", "Wood"};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(thumb(i)->size(), QSize(96, 96));
        QCOMPARE(thumb(i)->accessibleName(), backdrops[i]);
        auto *caption = part<QLabel>(qPrintable(QStringLiteral("Label2_%1").arg(i)));
        QCOMPARE(caption->text(), backdrops[i]);
        QVERIFY(caption->y() >= thumb(i)->geometry().bottom());
        QVERIFY(qAbs(caption->x() - thumb(i)->x()) <= 1);
        // The backdrop picker leaves the default's square empty.
        QCOMPARE(thumb(i)->picture().isNull(), i == 0);
    }
    QCOMPARE(thumb(0)->pos(), QPoint(21, 32));
    QCOMPARE(thumb(4)->pos(), QPoint(77, 152));
    QCOMPARE(part<QLabel>("Label1_0")->text(),
             QStringLiteral("Step 2: Choose a backdrop for your sign-in board:"));

    // The frame encloses thumbnail and caption and lets clicks through.
    auto *shape = part<QWidget>("Shape1");
    QCOMPARE(shape->size(), QSize(105, 117));
    QCOMPARE(shape->pos(), thumb(0)->pos() - QPoint(3, 3));
    QCOMPARE(current()->childAt(thumb(0)->geometry().center()), thumb(0));
    QVERIFY(click("Image3_0"));
    QCOMPARE(framed_thumbnail(), 0);

    // Worked with the mouse alone.
    for (QWidget *w : current()->findChildren<QWidget *>())
        QVERIFY2(w->focusPolicy() == Qt::NoFocus, qPrintable(w->objectName()));
    close_all_windows();

    Form4::open();
    const QStringList themes{"Celebration 1", "Celebration 2", "Graduation 1", "Graduation 2",
                             "Birthday 1", "Birthday 2", "Wedding"};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(thumb(i)->accessibleName(), themes[i]);
        QVERIFY(!thumb(i)->picture().isNull());
    }
    QCOMPARE(thumb(0)->pos(), QPoint(23, 32));
    QCOMPARE(part<QLabel>("Label1_0")->text(),
             QStringLiteral("Step 3: Choose a theme for your sign-in board:"));
    QCOMPARE(framed_thumbnail(), 0);
}

void TestWizardChoices::picker_choice_travels_through_arrows()
{
    TempAppFolder app;
    reset_board();
    BoardSettings.title = QStringLiteral("T");
    Form3::open();
    QCOMPARE(framed_thumbnail(), 0);
    QVERIFY(click("Image3_6")); // Wood
    QCOMPARE(framed_thumbnail(), 6);
    QVERIFY(click("Image3_6"));
    QCOMPARE(framed_thumbnail(), 6);
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form4"));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(6));
    QCOMPARE(BoardSettings.theme_idx, qint16(-1));
    QVERIFY(click("Image3_5"));
    QVERIFY(back()); // the theme choice is dropped
    QCOMPARE(BoardSettings.theme_idx, qint16(-1));
    QCOMPARE(current_name(), QStringLiteral("Form3"));
    QCOMPARE(framed_thumbnail(), 6);
    QVERIFY(click("Image3_2"));
    QVERIFY(back());
    QCOMPARE(BoardSettings.backdrop_idx, qint16(6));
    QCOMPARE(current_name(), QStringLiteral("Form2"));
}

void TestWizardChoices::picker_opens_on_stored_index()
{
    TempAppFolder app;
    reset_board();
    BoardSettings.theme_idx = 4;
    Form4::open();
    QCOMPARE(framed_thumbnail(), 4);
    QCOMPARE(part<QLabel>("Label2_4")->text(), QStringLiteral("Birthday 1"));
    close_all_windows();

    for (qint16 stored : {qint16(-1), qint16(-7), qint16(7), qint16(300)}) {
        BoardSettings.backdrop_idx = stored;
        Form3::open();
        QCOMPARE(framed_thumbnail(), 0);
        QVERIFY(next());
        QCOMPARE(BoardSettings.backdrop_idx, qint16(0));
        close_all_windows();
    }
}

void TestWizardChoices::sound_lists_fill_from_audio_folder()
{
    TempAppFolder app;
    app.make_audio_folder({"C.wav", "b.wav", "A.wav", ".hidden.wav", "notes.txt", "D.wave"});
    QDir(app.path()).mkpath(QStringLiteral("audio/Folder.wav"));
    reset_board();
    Form6::open();
    QCOMPARE(current()->focusWidget(), part<QWidget>("List1_0"));
    const QStringList expected{"A", "b", "C"};
    QCOMPARE(entries("List1_0"), expected);
    QCOMPARE(entries("List1_1"), expected);
    QCOMPARE(selected("List1_0"), QString());
    QCOMPARE(selected("List1_1"), QString());
    QCOMPARE(part<QListWidget>("List1_0")->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(part<QWidget>("List1_0")->accessibleName(), QStringLiteral("Save sound"));
    QCOMPARE(part<QWidget>("List1_1")->accessibleName(), QStringLiteral("Reset sound"));
    BoardSettings.save_sound = QStringLiteral("x");
    QVERIFY(next());
    QCOMPARE(BoardSettings.save_sound, QString());
    QCOMPARE(BoardSettings.reset_sound, QString());
    close_all_windows();

    // No audio folder at all: two empty lists.
    TempAppFolder bare(false);
    Form6::open();
    QCOMPARE(entries("List1_0"), QStringList());
    QCOMPARE(entries("List1_1"), QStringList());
    QVERIFY(next());
    QCOMPARE(current_name(), QStringLiteral("Form7"));
}

void TestWizardChoices::sound_choice_and_preview()
{
    TempAppFolder app;
    app.make_audio_folder({"A.wav", "b.wav", "C.wav", "Cheer.WAV"});
    SoundRecorder sounds;
    reset_board();
    BoardSettings.save_sound = QStringLiteral("b");
    BoardSettings.reset_sound = QStringLiteral("b");
    Form6::open();
    QCOMPARE(selected("List1_0"), QStringLiteral("b"));
    QCOMPARE(selected("List1_1"), QStringLiteral("b"));
    QVERIFY(next());
    QCOMPARE(BoardSettings.save_sound, QStringLiteral("b"));
    QCOMPARE(BoardSettings.reset_sound, QStringLiteral("b"));
    close_all_windows();

    // Names are matched with their case; a missing one selects nothing.
    BoardSettings.save_sound = QStringLiteral("a");
    BoardSettings.reset_sound = QStringLiteral("Gone");
    Form6::open();
    QCOMPARE(selected("List1_0"), QString());
    QCOMPARE(selected("List1_1"), QString());
    QVERIFY(sounds.paths.isEmpty());

    sound_on = kFalse;
    double_click("List1_1", 2);
    QCOMPARE(selected("List1_1"), QStringLiteral("C"));
    QCOMPARE(sounds.paths, QStringList{app.file(QStringLiteral("audio/C.wav"))});
    double_click("List1_0", 3);
    QCOMPARE(selected("List1_0"), QStringLiteral("Cheer"));
    QCOMPARE(sounds.paths.last(), app.file(QStringLiteral("audio/Cheer.WAV")));
    QVERIFY(next());
    QCOMPARE(BoardSettings.save_sound, QStringLiteral("Cheer"));
    QCOMPARE(BoardSettings.reset_sound, QStringLiteral("C"));
}

QTEST_MAIN(TestWizardChoices)
#include "test_wizard_choices.moc"
