#include "gui/main_window/form1.h"

#include "core/kilobytes.h"
#include "core/version.h"
#include "gui/about/form4.h"
#include "gui/archive/qt_zip_ui.h"
#include "gui/common/strings.h"
#include "gui/common/termination.h"
#include "gui/common/toolbar_images.h"
#include "gui/common/widgets.h"
#include "gui/list/rom_list_model.h"
#include "gui/list/rom_list_view.h"
#include "gui/settings/form3.h"
#include "platform/file_error.h"
#include "platform/path_claims.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "romlist/image_row.h"
#include "zipformat/limits.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

namespace kst {

TForm1* Form1 = nullptr;

namespace {

constexpr int ColumnWidths[ColumnCount] = {22, 136, 61, 132, 62, 149, 140, 95, 204, 90, 280};
constexpr int HintDelayMs = 100;
constexpr int TimerIntervalMs = 100;
const char* const UnzipModule = "unzdll.dll";

// Shows hints after a short rest of the pointer instead of the usual half second.
class HintDelayStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

TForm1::TForm1()
{
    Form1 = this;
    setFont(tahomaFont(true));
    resize(592, 513 + 18);
    buildControls();
    const ToolbarImages images;
    buildMenus(images);
    buildToolBar(images);
    buildPopupMenu();
    FormCreate();
}

TForm1::~TForm1()
{
    Zip1.setUi(nullptr);
    zipUi_.reset();
    // The view and its model read the grid, which goes before the widgets
    // that Qt deletes with this window; they go first.
    delete centralWidget();
    delete model_;
    Liste1 = nullptr;
    model_ = nullptr;
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 3, 0, 3);
    column->setSpacing(1);

    Liste1 = named(new RomListView(central), "Liste1");
    model_ = new RomListModel(grid_, this);
    Liste1->setModel(model_);
    for (int col = 0; col < ColumnCount; ++col)
        Liste1->setColumnWidth(col, ColumnWidths[col]);
    // The sizes fit whole, up to the largest image the program reads; the cell
    // keeps the style's margin on either side of its text.
    const int margins = 2 * (Liste1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Liste1) + 1);
    const int widestSize = Liste1->fontMetrics().horizontalAdvance(toQt(kilobytes(zip::kMaxImageBytes))) + margins;
    for (int col : {ColSize, ColNewSize})
        Liste1->setColumnWidth(col, std::max(ColumnWidths[col], widestSize));
    Liste1->setMinimumHeight(60);
    column->addWidget(Liste1, 1);

    // The Apply button, the output group and the gauge keep to the bottom edge
    // at the window's full width, 4 pixels in from each side.
    auto* bottom = new QVBoxLayout;
    bottom->setContentsMargins(4, 0, 4, 0);
    bottom->setSpacing(2);
    BitBtn3 = named(new QPushButton(qtr(strings::Apply), central), "BitBtn3");
    BitBtn3->setFixedHeight(25);
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    bottom->addWidget(BitBtn3);

    GroupBox1 = named(new QGroupBox(qtr(strings::OutputFiles), central), "GroupBox1");
    GroupBox1->setFixedHeight(73);
    QFont regular = tahomaFont(false);
    Label1 = named(new QLabel(qtr(strings::PrefixLabel), GroupBox1), "Label1");
    Label1->setFont(regular);
    Label1->move(8, 20);
    Edit2 = named(new QLineEdit(qtr(strings::InitialPrefix), GroupBox1), "Edit2");
    Edit2->setFont(regular);
    Edit2->setGeometry(44, 16, 121, 21);
    Label2 = named(new QLabel(qtr(strings::SuffixLabel), GroupBox1), "Label2");
    Label2->setFont(regular);
    Label2->move(8, 48);
    Edit3 = named(new QLineEdit(GroupBox1), "Edit3");
    Edit3->setFont(regular);
    Edit3->setGeometry(44, 44, 121, 21);
    Label3 = named(new QLabel(qtr(strings::SampleLabel), GroupBox1), "Label3");
    Label3->move(180, 16);
    Label4 = named(new QLabel(qtr(strings::SampleInitial), GroupBox1), "Label4");
    Label4->setFont(regular);
    Label4->setGeometry(180, 32, 390, 16);
    bottom->addWidget(GroupBox1);

    Bar1 = named(new QProgressBar(central), "Bar1");
    Bar1->setFixedHeight(21);
    Bar1->setRange(0, 100);
    Bar1->setValue(0);
    Bar1->setTextVisible(true);
    Bar1->setAlignment(Qt::AlignCenter);
    // Fusion draws the percentage in white over the navy fill and in navy beside it.
    // A widget does not own its style; the window does, and outlives the gauge.
    QStyle* gaugeStyle = QStyleFactory::create(QStringLiteral("Fusion"));
    gaugeStyle->setParent(this);
    Bar1->setStyle(gaugeStyle);
    QPalette gauge = Bar1->palette();
    gauge.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    gauge.setColor(QPalette::HighlightedText, Qt::white);
    gauge.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    gauge.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    gauge.setColor(QPalette::Base, Qt::white);
    Bar1->setPalette(gauge);
    bottom->addWidget(Bar1);
    column->addLayout(bottom);
    setCentralWidget(central);

    StatusBar1 = named(new QLabel(qtr(strings::InitialStatus)), "StatusBar1");
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setFixedHeight(18);
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addWidget(StatusBar1, 1);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(TimerIntervalMs);

    OpenDialog1.request.title = qtr(strings::OpenDialogTitle);
    OpenDialog1.request.filters = {qtr(strings::FilterSupported), qtr(strings::FilterGba), qtr(strings::FilterZip)};
    OpenDialog1.request.patterns = {QStringLiteral("*.gba;*.zip"), QStringLiteral("*.gba"), QStringLiteral("*.zip")};
    OpenDialog1.request.filterIndex = 0;
    OpenDialog1.request.multiSelect = true;

    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Liste1, &RomListView::dblClick, this, &TForm1::Liste1DblClick);
    connect(Liste1, &RomListView::keyDown, this, &TForm1::Liste1KeyDown);
    connect(Liste1, &RomListView::mouseDown, this, &TForm1::Liste1MouseDown);
    connect(Liste1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(Liste1->viewport()->mapToGlobal(at));
    });
    selectRows(1, 1);
    Timer1->start();
}

void TForm1::FormCreate()
{
    callrs();
    dialogFreeAddMode = false;

    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, palette().color(QPalette::Active, QPalette::HighlightedText));
    QToolTip::setPalette(hints);
    if (!dynamic_cast<HintDelayStyle*>(QApplication::style()))
        QApplication::setStyle(new HintDelayStyle);

    Platform& services = platform();
    const ProgramFiles files = locateProgramFiles(services);
    windowsFolder = services.systemFolder().string();
    std::filesystem::path installed = std::filesystem::path(windowsFolder) / UnzipModule;
    const bool hadCopy = services.fileExists(installed);
    try {
        installUnzipModule(services, files.unzipModule, installed);
    } catch (const FileError& error) {
        // A copy that stays another module than the program's is no better than none.
        if (hadCopy)
            dialogs().message(qformat(strings::ModuleNotReplaced, {toQt(installed.string()), toQt(error.reason())}));
        else
            dialogs().message(qformat(strings::DllMissing, {qtr(strings::UnzipModuleName)}));
        requestTermination();
    }
    Zip1.DllFolder = windowsFolder;
    claims_ = std::make_unique<PathClaims>(std::filesystem::path(windowsFolder) / "claims");
    zipUi_ = std::make_unique<QtZipUi>(Zip1, this);
    Zip1.setUi(zipUi_.get());

    setAcceptDrops(true);
    setWindowTitle(qformat(strings::CaptionFormat, {qformat(strings::Version, {toQt(ProgramVersion)})}));
    patchFilePath = files.patch.string();
    operationLog.clear();
    renamecols(grid_);
}

int TForm1::selectionTop() const
{
    const QModelIndexList rows = Liste1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return Liste1->currentIndex().isValid() ? Liste1->currentIndex().row() + 1 : 1;
    int top = rows.first().row();
    for (const QModelIndex& index : rows)
        top = std::min(top, index.row());
    return top + 1;
}

int TForm1::selectionBottom() const
{
    const QModelIndexList rows = Liste1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return selectionTop();
    int bottom = rows.first().row();
    for (const QModelIndex& index : rows)
        bottom = std::max(bottom, index.row());
    return bottom + 1;
}

void TForm1::selectRows(int top, int bottom)
{
    int last = grid_.rowCount() - 1;
    top = std::clamp(top, 1, last);
    bottom = std::clamp(bottom, top, last);
    QItemSelection range(model_->index(top - 1, 0), model_->index(bottom - 1, ColumnCount - 1));
    Liste1->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Liste1->selectionModel()->setCurrentIndex(model_->index(top - 1, Liste1->currentIndex().isValid()
                                                                          ? Liste1->currentIndex().column()
                                                                          : 0),
                                              QItemSelectionModel::NoUpdate);
}

bool TForm1::rowHighlighted() const
{
    return Liste1->selectionModel()->hasSelection();
}

std::optional<int> TForm1::selectedRom()
{
    const int row = selectionTop();
    if (!rowHighlighted() || grid_.isEmptyRow(row)) {
        dialogs().message(qtr(strings::SelectionEmpty));
        return std::nullopt;
    }
    return row;
}

QString TForm1::statusText() const
{
    return StatusBar1->text();
}

void TForm1::setStatusText(const QString& text)
{
    StatusBar1->setText(text);
}

void TForm1::Options1Click()
{
    Form3->show();
    Form3->raise();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::ToolButton1Click()
{
    close();
}

void TForm1::About1Click()
{
    Form4->show();
    Form4->raise();
}

}  // namespace kst
