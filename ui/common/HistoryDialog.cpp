#include "HistoryDialog.h"

#include "Accessibility.h"
#include "KeepFocus.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

HistoryDialog::HistoryDialog(QWidget* parent)
    : QDialog(parent), entries_(HistoryEntries())
{
    setWindowTitle(QStringLiteral("Radio history"));
    ReturnFocusWhenDone(this);
    ShowFolder = [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };

    FolderLabel = new QLabel(entries_.isEmpty()
                                 ? QStringLiteral("Nothing has been read from or written to a radio yet.")
                                 : QStringLiteral("Every image read from or written to the radio, kept in %1")
                                       .arg(HistoryFolder()),
                             this);
    FolderLabel->setWordWrap(true);
    List = new QTreeWidget(this);
    NameControl(List, QStringLiteral("Radio history entries"));
    List->setRootIsDecorated(false);
    List->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Kind"), QStringLiteral("Channels in use")});
    const QLocale locale;
    for (const HistoryEntry& entry : entries_) {
        auto* item = new QTreeWidgetItem(List);
        item->setText(0, locale.toString(entry.When, QLocale::ShortFormat));
        item->setText(1, HistoryKindText(entry.Kind));
        item->setText(2, entry.ChannelsInUse >= 0 ? QString::number(entry.ChannelsInUse) : QString());
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, entry.FilePath());
    }
    List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (List->topLevelItemCount() > 0)
        List->setCurrentItem(List->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    OpenButton = buttons->addButton(QStringLiteral("Open"), QDialogButtonBox::AcceptRole);
    FolderButton = buttons->addButton(QStringLiteral("Show folder"), QDialogButtonBox::ActionRole);
    CloseButton = buttons->addButton(QDialogButtonBox::Close);
    OpenButton->setEnabled(!entries_.isEmpty());
    // On the newest entry; with none, on Close.
    entries_.isEmpty() ? CloseButton->setFocus() : List->setFocus();
    connect(OpenButton, &QPushButton::clicked, this, &HistoryDialog::OpenCurrent);
    connect(FolderButton, &QPushButton::clicked, this, [this] { ShowFolder(HistoryFolder()); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(List, &QTreeWidget::itemActivated, this, &HistoryDialog::OpenCurrent);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FolderLabel);
    layout->addWidget(List);
    layout->addWidget(buttons);
    resize(520, 420);
}

void HistoryDialog::OpenCurrent()
{
    const int row = List->indexOfTopLevelItem(List->currentItem());
    if (row < 0 || row >= entries_.size())
        return;
    chosen_ = entries_.at(row);
    accept();
}
