#include "ui/wizard/step5_window.h"

#include "core/app_folder.h"
#include "core/board_file.h"
#include "core/sound.h"
#include "ui/common/accessibility.h"
#include "ui/common/picture_area.h"
#include "ui/common/window_conventions.h"

#include <QDir>
#include <QListWidget>
#include <algorithm>

namespace {

// The wave files of the audio folder, as the file list of the folder shows
// them: plain files (no hidden ones) whose name ends in ".wav" in any case,
// sorted by name without regard to case.
QFileInfoList wave_files()
{
    QFileInfoList found;
    const QDir folder(app_path(QStringLiteral("audio")));
    for (const QFileInfo &info : folder.entryInfoList(QDir::Files, QDir::NoSort)) {
        const QString name = info.fileName();
        if (info.isFile() && !name.startsWith(QLatin1Char('.'))
            && name.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
            found.append(info);
    }
    std::sort(found.begin(), found.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int order = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    return found;
}

QListWidget *make_list(QWidget *parent, const QString &object_name, const QString &name,
                       const QRect &geometry)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(object_name);
    list->setAccessibleName(name);
    list->setFont(ms_sans_serif(8.25));
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    return list;
}

QString selected_text(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace

Form6::Form6() : WizardWindow(QStringLiteral("Form6"), Window::Step4, Window::Finish)
{
    describe_window(this, QStringLiteral("Step 5 of 5: sound effects"));
    image5_ = add_picture(QStringLiteral("Image5"), 5670, 45, 1410, 735);
    image4_ = add_picture(QStringLiteral("Image4"), 1170, 1380, 1155, 435);
    image3_ = add_picture(QStringLiteral("Image3"), 1455, 2640, 1920, 885);

    add_label(QStringLiteral("Label1_1"), QStringLiteral("Step 5: Choose your sound effects."),
              heading_font(), twips_rect(120, 120, 6915, 360));
    add_label(QStringLiteral("Label1_0"),
              QStringLiteral("When someone finishes writing a message and clicks save, play the "
                             "follwing sound:"),
              ms_sans_serif(8.25, true), twips_rect(555, 720, 3195, 600));
    list1_[0] = make_list(this, QStringLiteral("List1_0"), QStringLiteral("Save sound"),
                          twips_rect(3795, 720, 2775, 1035));
    add_label(QStringLiteral("Label1_2"),
              QStringLiteral("When someone clicks the reset button to clear a message, play the "
                             "following sound:"),
              ms_sans_serif(8.25, true), twips_rect(555, 2040, 3195, 600));
    list1_[1] = make_list(this, QStringLiteral("List1_1"), QStringLiteral("Reset sound"),
                          twips_rect(3795, 2040, 2775, 1035));
    add_label(QStringLiteral("Label1_3"), QStringLiteral("Tip: Double-click a sound to preview it."),
              ms_sans_serif(8.25, true), twips_rect(825, 3840, 5475, 240), Qt::AlignHCenter | Qt::AlignTop);
    setTabOrder(list1_[0], list1_[1]);
    fill_choices();

    for (int j = 0; j < 2; ++j)
        connect(list1_[j], &QListWidget::itemDoubleClicked, this,
                [this, j](QListWidgetItem *item) { List1_DblClick(j, item); });
}

void Form6::loadimages()
{
    WizardWindow::loadimages();
    load_into(image3_, QStringLiteral("sax.jpg"));
    load_into(image4_, QStringLiteral("pkeys.jpg"));
    load_into(image5_, QStringLiteral("mic.jpg"));
}

// Both lists get one entry per wave file, its name without the extension;
// the entry remembers the file so a name like Cheer.WAV previews too.
void Form6::fill_choices()
{
    for (const QFileInfo &file : wave_files()) {
        for (QListWidget *list : list1_) {
            auto *item = new QListWidgetItem(strip_ext(file.fileName()), list);
            item->setData(Qt::UserRole, file.filePath());
        }
    }
}

void Form6::retval()
{
    if (!BoardSettings.save_sound.isEmpty())
        frl(BoardSettings.save_sound, 0);
    if (!BoardSettings.reset_sound.isEmpty())
        frl(BoardSettings.reset_sound, 1);
}

// Selects the first entry equal to search, upper and lower case told apart.
void Form6::frl(const QString &search, int lst)
{
    QListWidget *list = list1_[lst];
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == search) {
            list->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            list->scrollToItem(list->item(i));
            return;
        }
    }
}

void Form6::setval()
{
    BoardSettings.save_sound = selected_text(list1_[0]);
    BoardSettings.reset_sound = selected_text(list1_[1]);
}

// The preview plays whatever the Sound menu says.
void Form6::List1_DblClick(int, QListWidgetItem *item)
{
    if (item)
        play_file(item->data(Qt::UserRole).toString());
}
