#include "bench/window_figures.h"

#include "bench/bench_data.h"
#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "core/sound.h"
#include "core/sound_effect_player.h"
#include "ui/board/board_window.h"
#include "ui/board/export_window.h"
#include "ui/common/message_box.h"
#include "ui/mainmenu/main_menu.h"
#include "tests/support/test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kPaintTimeoutMs = 10000;

// Notes which top-level windows have had a paint event since the last clear.
class PaintWatcher : public QObject {
public:
    PaintWatcher() { qApp->installEventFilter(this); }
    ~PaintWatcher() override { qApp->removeEventFilter(this); }
    void clear() { painted_.clear(); }
    bool painted(QWidget *window) const { return painted_.contains(window); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted_.insert(static_cast<QWidget *>(watched)->window());
        return false;
    }

private:
    QSet<QWidget *> painted_;
};

// Runs the event loop until `window` has been painted; false on time-out.
bool wait_painted(const PaintWatcher &watcher, QWidget *window)
{
    QElapsedTimer timer;
    timer.start();
    while (window && !watcher.painted(window)) {
        if (timer.elapsed() > kPaintTimeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return window != nullptr;
}

void close_window(QWidget *window)
{
    if (!window)
        return;
    window->close();
    flush_deletions();
}

QTextDocument *document_of(QWidget *box)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        return plain->document();
    if (auto *rich = qobject_cast<QTextEdit *>(box))
        return rich->document();
    return nullptr;
}

// The export text as the host should see it, line breaks as a widget has them.
QString expected_export_text()
{
    QString text = BoardSettings.title + QStringLiteral(" Signatures\r\n\r\n");
    const QString hyphens = QString(60, QLatin1Char('-')) + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < sig_count; ++i) {
        text += sig_text.at(i);
        text += hyphens;
    }
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int &message_count()
{
    static int count = 0;
    return count;
}

void open_for_browsing(const QString &folder, const QString &name)
{
    start_board(folder, name);
    load_board(name);
    load_notes(name);
    board_mode = kBrowseMode;
}

Figure not_measured(Figure figure, const QString &why)
{
    figure.measured = false;
    figure.note = why;
    return figure;
}

} // namespace

int swallowed_messages()
{
    return message_count();
}

void count_messages()
{
    set_message_handler([](MessageIcon, const QString &) { ++message_count(); });
}

Figure export_figure(const QString &folder, const QString &name)
{
    Figure figure{QStringLiteral("export_text"), QStringLiteral("ms")};
    figure.max_ratio = 1.5;
    figure.max_value = 250;
    open_for_browsing(folder, name);
    PaintWatcher watcher;
    QPointer<Form8> board = Form8::open();
    flush_deletions();
    QAction *export_action = board ? board->findChild<QAction *>(QStringLiteral("export")) : nullptr;
    if (!export_action) {
        close_window(board);
        return not_measured(figure, QStringLiteral("Form8 has no \"export\" command"));
    }
    // The ready text, line breaks as a widget has them.
    const QString expected = expected_export_text();

    bool shown = true;
    bool text_right = true;
    // What Form10 put into its box, its blocks as they are.
    QString same_blocks;
    const Sample export_run = [&] {
        close_window(find_window(QStringLiteral("Form10")));
        watcher.clear();
        QElapsedTimer timer;
        timer.start();
        export_action->trigger();
        QWidget *window = find_window(QStringLiteral("Form10"));
        shown = wait_painted(watcher, window) && shown;
        const double ms = elapsed_ms(timer);
        QTextDocument *document =
            window ? document_of(window->findChild<QWidget *>(QStringLiteral("Text1"))) : nullptr;
        text_right = document && document->toPlainText() == expected && text_right;
        if (document && same_blocks.isEmpty())
            same_blocks = document->toRawText();
        return ms;
    };
    const auto bare_run = [&](const QString &text) {
        watcher.clear();
        QElapsedTimer timer;
        timer.start();
        auto *box = new QPlainTextEdit;
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->resize(497, 421);
        box->setPlainText(text);
        box->show();
        shown = wait_painted(watcher, box) && shown;
        const double ms = elapsed_ms(timer);
        close_window(box);
        return ms;
    };
    const QList<double> m = measure_all(7, 1, {export_run, [&] { return bare_run(expected); },
                                               [&] { return bare_run(same_blocks); }});
    close_window(find_window(QStringLiteral("Form10")));
    close_window(board);
    if (!shown)
        return not_measured(figure, QStringLiteral("a window was not painted"));
    if (!text_right)
        return not_measured(figure, QStringLiteral("Form10's Text1 does not hold the export text"));
    figure.value = m[0];
    figure.baseline = m[1];
    figure.note = QStringLiteral("a bare QPlainTextEdit given the text in Form10's own blocks: %1 ms "
                                 "(ratio %2)")
                      .arg(m[2], 0, 'f', 1)
                      .arg(m[0] / m[2], 0, 'f', 2);
    return figure;
}

Figure browse_figure(const QString &folder, const QString &name)
{
    Figure figure{QStringLiteral("browse_next_previous"), QStringLiteral("ms")};
    figure.max_ratio = 1.5;
    open_for_browsing(folder, name);
    if (sig_count < 90001)
        return not_measured(figure, QStringLiteral("too few notes"));

    bool moved = true;
    // One sample is Next then Previous, from note `note` (counted from 1).
    const auto time_at = [&](qsizetype note) {
        sig_pos = note - 1;
        QPointer<Form8> board = Form8::open();
        flush_deletions();
        auto *next = board ? board->findChild<QAbstractButton *>(QStringLiteral("Image2_1")) : nullptr;
        auto *previous = board ? board->findChild<QAbstractButton *>(QStringLiteral("Image2_0")) : nullptr;
        if (!next || !previous) {
            moved = false;
            close_window(board);
            return 0.0;
        }
        QList<double> samples;
        for (int i = 0; i < 53; ++i) {
            QElapsedTimer timer;
            timer.start();
            next->click();
            QCoreApplication::processEvents();
            moved = moved && sig_pos == note;
            previous->click();
            QCoreApplication::processEvents();
            moved = moved && sig_pos == note - 1;
            if (i >= 2)
                samples.append(elapsed_ms(timer));
        }
        close_window(board);
        return median(samples);
    };
    // Each position twice, in turn, and the better of the two medians.
    const double near_a = time_at(10);
    const double far_a = time_at(90000);
    const double near_b = time_at(10);
    const double far_b = time_at(90000);
    if (!moved)
        return not_measured(figure, QStringLiteral("Next and Previous did not move through the notes"));
    figure.value = std::min(far_a, far_b);
    figure.baseline = std::min(near_a, near_b);
    return figure;
}

Figure main_menu_figure(const QString &boards_folder, const QString &empty_folder, int count)
{
    Figure figure{QStringLiteral("main_menu_board_list"), QStringLiteral("ms")};
    figure.max_ratio = 2;
    bool listed = true;
    const auto open_in = [&](const QString &folder, bool expect_boards) {
        set_app_folder(folder);
        QElapsedTimer timer;
        timer.start();
        QPointer<Form1> menu = Form1::open();
        const double ms = elapsed_ms(timer);
        auto *slot = menu ? menu->findChild<QWidget *>(QStringLiteral("Label1_0")) : nullptr;
        const bool has_board = slot && !slot->property("text").toString().isEmpty();
        listed = listed && has_board == expect_boards;
        close_window(menu);
        return ms;
    };
    const Sample with_boards = [&] { return open_in(boards_folder, true); };
    const Sample without = [&] { return open_in(empty_folder, false); };
    const Medians loads = measure_pair(25, 2, with_boards, without);

    QList<double> listings;
    for (int i = 0; i < 17; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QStringList names = QDir(boards_folder).entryList({QLatin1Char('*') + kBoardExt}, QDir::Files);
        listings.append(elapsed_ms(timer));
        listed = listed && names.size() == count;
    }
    if (!listed)
        return not_measured(figure, QStringLiteral("the board list was not filled"));
    // The part of the load that grows with the boards.
    figure.value = std::max(0.0, loads.a - loads.b);
    figure.baseline = median(listings);
    figure.note = QStringLiteral("whole load %1 ms with %2 boards, %3 ms with none")
                      .arg(loads.a, 0, 'f', 2).arg(count).arg(loads.b, 0, 'f', 2);
    return figure;
}

// A party's hours in a row: guests save note after note, each thanked by the
// real message box (answered as it comes up) and each with the save sound.
// The growth of the resident memory over 10,000 saves, after 1,000 to warm
// up, per 1,000 saves.
Figure guest_saves_memory_figure(const QString &folder)
{
    Figure figure{QStringLiteral("guest_saves_memory"), QStringLiteral("KiB per 1000 saves")};
    figure.max_value = 100;
    start_board(folder, QStringLiteral("Long Party"));
    BoardSettings.save_sound = QStringLiteral("Chime");
    board_mode = kGuestMode;
    sound_on = kTrue;
    SoundEffectPlayer player;
    set_sound_player(&player);
    set_message_handler({});
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->windowHandle() && box->windowHandle()->isExposed())
            box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);

    QPointer<Form8> board = Form8::open();
    auto *note = board ? board->findChild<QPlainTextEdit *>(QStringLiteral("Text1")) : nullptr;
    auto *save = board ? board->findChild<QAbstractButton *>(QStringLiteral("Image2_1")) : nullptr;
    bool saved = note && save;
    const auto save_notes = [&](int count) {
        for (int i = 0; i < count && saved; ++i) {
            note->setPlainText(make_note(quint32(i)));
            save->click();
            QCoreApplication::processEvents();
            saved = note->document()->isEmpty();
        }
    };
    save_notes(1000);
    const qint64 before = resident_bytes();
    save_notes(10000);
    const qint64 after = resident_bytes();
    close_window(board);
    count_messages();
    set_sound_player(nullptr);
    if (!saved)
        return not_measured(figure, QStringLiteral("a note was not saved and thanked"));
    figure.value = double(after - before) / 1024.0 / 10.0;
    // The screen reader's bridge is where the thank-you boxes once left
    // memory behind; it runs only on a real display with an accessibility bus.
    if (!QAccessible::isActive())
        figure.note = QStringLiteral("measured without the accessibility bridge: run on xcb with "
                                     "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 in a session with AT-SPI to include it");
    return figure;
}
