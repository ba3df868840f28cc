#include "CsvImportDialog.h"

#include "base/languagestr.h"
#include "channels/ChannelCsv.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum PreviewColumn { LineColumn, RowColumn, NameColumn, RxColumn, TxColumn, DecColumn, EncColumn, OutcomeColumn };

// The grid's own titles for the columns it shares with the preview.
QString GridTitle(int column)
{
    return languagestr::ColumnTitles[column].trimmed();
}

const QColor NotPlacedColor(160, 0, 0);
const QColor ChangedColor(150, 90, 0);

} // namespace

CsvImportDialog::CsvImportDialog(const QString& fileName, const CsvFile& file, const ChannelTable& table,
                                 const BandLimits& bands, QWidget* parent)
    : QDialog(parent), file_(file), table_(table), bands_(bands)
{
    setWindowTitle(QStringLiteral("Import %1").arg(fileName));

    AtLocation = new QRadioButton(QStringLiteral("at their Location"), this);
    FromRow = new QRadioButton(QStringLiteral("in file order from row"), this);
    FirstRow = new QSpinBox(this);
    FirstRow->setRange(1, LastCsvRow);
    FirstRow->setValue(CsvPlacement{}.FirstRow);
    FirstRow->setToolTip(QStringLiteral("Rows 1 to 80 hold fixed frequencies: a line goes there only when its "
                                        "frequencies are the row's. Rows that cannot take a line are skipped."));
    AtLocation->setChecked(true);

    Lines = new QTreeWidget(this);
    Lines->setRootIsDecorated(false);
    Lines->setUniformRowHeights(true);
    Lines->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Row"), GridTitle(ColName), GridTitle(ColRx),
                            GridTitle(ColTx), GridTitle(ColDecodeTone), GridTitle(ColEncodeTone),
                            QStringLiteral("What happens")});
    Counts = new QLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    ImportButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(AtLocation, &QRadioButton::toggled, this, &CsvImportDialog::Place);
    connect(FirstRow, &QSpinBox::valueChanged, this, [this] {
        FromRow->isChecked() ? Place() : FromRow->setChecked(true);
    });

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Place the lines"), this));
    choice->addWidget(AtLocation);
    choice->addWidget(FromRow);
    choice->addWidget(FirstRow);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(Lines);
    layout->addWidget(Counts);
    layout->addWidget(buttons);
    Place();
    FitToLines();
}

// Wide enough for every column, what happens included, as far as the screen
// allows (the full text is also the tool tip).
void CsvImportDialog::FitToLines()
{
    Lines->resizeColumnToContents(OutcomeColumn);
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int wanted = Lines->header()->length() + 2 * Lines->frameWidth()
                     + Lines->verticalScrollBar()->sizeHint().width() + margins;
    const QRect screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(qBound(640, wanted, screen.width() * 9 / 10), qMin(560, screen.height() * 8 / 10));
}

void CsvImportDialog::Place()
{
    const CsvPlacement placement{AtLocation->isChecked(), FirstRow->value()};
    import_ = PlaceCsvLines(file_, placement, table_, bands_);
    ShowLines();
    Counts->setText(import_.Counts() + (import_.NotPlaced > 0 ? QStringLiteral(" Lines not placed are left out.")
                                                              : QString()));
    ImportButton->setText(import_.Placed == 1 ? QStringLiteral("Import 1 channel")
                                              : QStringLiteral("Import %1 channels").arg(import_.Placed));
    ImportButton->setEnabled(import_.Placed > 0);
}

void CsvImportDialog::ShowLines()
{
    Lines->clear();
    QList<QTreeWidgetItem*> items;
    for (const CsvLine& line : import_.Lines) {
        auto* item = new QTreeWidgetItem;
        item->setText(LineColumn, QString::number(line.Line));
        item->setText(RowColumn, line.Row > 0 ? QString::number(line.Row) : QStringLiteral("-"));
        const std::pair<int, int> cells[] = {{NameColumn, ColName}, {RxColumn, ColRx}, {TxColumn, ColTx},
                                             {DecColumn, ColDecodeTone}, {EncColumn, ColEncodeTone}};
        for (auto [shown, column] : cells)
            item->setText(shown, TextOf(line.Texts, column));
        item->setText(OutcomeColumn, line.Outcome());
        item->setToolTip(OutcomeColumn, line.Outcome());
        if (line.Row == 0 || !line.Changes.isEmpty())
            item->setForeground(OutcomeColumn, line.Row == 0 ? NotPlacedColor : ChangedColor);
        for (int column : {LineColumn, RowColumn})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    Lines->addTopLevelItems(items);
    for (int column = LineColumn; column < OutcomeColumn; ++column)
        Lines->resizeColumnToContents(column);
}

std::optional<CsvImport> PreviewCsvImport(QWidget* parent, const QString& fileName, const CsvFile& file,
                                          const ChannelTable& table, const BandLimits& bands)
{
    CsvImportDialog dialog(fileName, file, table, bands, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Import();
}
