#include "CsvImportDialog.h"

#include "base/languagestr.h"
#include "channels/ChannelCsv.h"
#include "ui/common/Accessibility.h"
#include "ui/common/KeepFocus.h"

#include <QCheckBox>
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

// Line, Row and what happens first, so that they stay in view however
// narrow the dialog; then the grid columns an import sets.
enum PreviewColumn { LineColumn, RowColumn, OutcomeColumn, FirstCellColumn };
constexpr int CellColumns[] = {ColName, ColRx, ColTx, ColDecodeTone, ColEncodeTone,
                               ColPower, ColBandwidth, ColScanAdd, ColRepeater};
constexpr int ColumnCount = FirstCellColumn + int(std::size(CellColumns));

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
    ReturnFocusWhenDone(this);

    AtLocation = new QRadioButton(QStringLiteral("at their Location"), this);
    FromRow = new QRadioButton(QStringLiteral("in file order from row"), this);
    FirstRow = new QSpinBox(this);
    FirstRow->setRange(1, LastCsvRow);
    FirstRow->setValue(CsvPlacement{}.FirstRow);
    FirstRow->setToolTip(QStringLiteral("Rows 1 to 80 hold fixed frequencies: a line goes there only when its "
                                        "frequencies are the row's. Rows that cannot take a line are skipped."));
    AtLocation->setChecked(true);
    ReplaceRows = new QCheckBox(QStringLiteral("also over rows that hold a channel"), this);

    Lines = new QTreeWidget(this);
    Lines->setRootIsDecorated(false);
    Lines->header()->setStretchLastSection(false);
    QStringList titles{QStringLiteral("Line"), QStringLiteral("Row"), QStringLiteral("What happens")};
    for (int column : CellColumns)
        titles << GridTitle(column);
    Lines->setHeaderLabels(titles);
    // The current line's whole story, however narrow its column.
    Detail = new QLabel(this);
    Detail->setWordWrap(true);
    connect(Lines, &QTreeWidget::currentItemChanged, this, &CsvImportDialog::ShowDetail);
    Counts = new QLabel(this);

    auto* buttons = new QDialogButtonBox(this);
    ImportButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(AtLocation, &QRadioButton::toggled, this, &CsvImportDialog::Place);
    const auto fromRow = [this] { FromRow->isChecked() ? Place() : FromRow->setChecked(true); };
    connect(FirstRow, &QSpinBox::valueChanged, this, fromRow);
    connect(ReplaceRows, &QCheckBox::toggled, this, fromRow);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Place the lines"), this));
    choice->addWidget(AtLocation);
    choice->addWidget(FromRow);
    choice->addWidget(FirstRow);
    choice->addWidget(ReplaceRows);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(Lines);
    layout->addWidget(Detail);
    layout->addWidget(Counts);
    layout->addWidget(buttons);
    NameChoices();
    Place();
    FitToLines();
    Lines->setFocus();  // what happens to each line, the first one current
}

// The line's number and what happens to it; a screen reader hears that it
// is the current line's.
void CsvImportDialog::ShowDetail(const QTreeWidgetItem* item)
{
    const QString story = item ? QStringLiteral("%1: %2").arg(item->text(LineColumn), item->text(OutcomeColumn))
                               : QString();
    Detail->setText(item ? QStringLiteral("Line ") + story : QString());
    NameControl(Detail, item ? QStringLiteral("Current line ") + story : QStringLiteral("No current line"));
}

// Names for a screen reader: the choices read as one sentence each, without
// the label before them.
void CsvImportDialog::NameChoices()
{
    NameControl(Lines, QStringLiteral("Lines of the file"));
    NameControl(AtLocation, QStringLiteral("Place the lines at their Location"));
    NameControl(FromRow, QStringLiteral("Place the lines in file order from a row"));
    NameControl(FirstRow, QStringLiteral("From row"));
    NameControl(ReplaceRows, QStringLiteral("Also replace rows that hold a channel"));
    ShowDetail(nullptr);
}

// The width the longest "what happens" takes on one line.
int CsvImportDialog::OutcomeWidth() const
{
    const QFontMetrics metrics(Lines->font());
    int width = metrics.horizontalAdvance(Lines->headerItem()->text(OutcomeColumn));
    for (const CsvLine& line : import_.Lines)
        width = qMax(width, metrics.horizontalAdvance(line.Outcome()));
    return width + 2 * Lines->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
}

// Wide enough for every column, what happens on one line, as far as the
// screen allows; where it does not, what happens takes at least half the
// width and the values scroll (the current line's full text is also below
// the list, and each one's tool tip).
void CsvImportDialog::FitToLines()
{
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right()
                      + 2 * Lines->frameWidth() + Lines->verticalScrollBar()->sizeHint().width();
    int others = 0;
    for (int column = LineColumn; column < ColumnCount; ++column)
        others += column == OutcomeColumn ? 0 : Lines->header()->sectionSize(column);
    const int outcome = OutcomeWidth();
    const QRect screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(qBound(640, others + outcome + margins, screen.width() * 9 / 10), qMin(560, screen.height() * 8 / 10));
    const int room = width() - margins;
    Lines->header()->resizeSection(OutcomeColumn, others + outcome <= room ? outcome : qMax(room - others, room / 2));
}

void CsvImportDialog::Place()
{
    const CsvPlacement placement{AtLocation->isChecked(), FirstRow->value(), ReplaceRows->isChecked()};
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
        for (int i = 0; i < int(std::size(CellColumns)); ++i)
            item->setText(FirstCellColumn + i, TextOf(line.Texts, CellColumns[i]));
        item->setText(OutcomeColumn, line.Outcome());
        item->setToolTip(OutcomeColumn, line.Outcome());
        if (line.Row == 0 || !line.Changes.isEmpty())
            item->setForeground(OutcomeColumn, line.Row == 0 ? NotPlacedColor : ChangedColor);
        for (int column : {LineColumn, RowColumn})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    Lines->addTopLevelItems(items);
    Lines->setCurrentItem(Lines->topLevelItem(0));
    for (int column = LineColumn; column < ColumnCount; ++column)
        if (column != OutcomeColumn)
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
