#include "gui/about/form4.h"

#include "core/version.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "gui/common/widgets.h"
#include "settings/jpeg_picture.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kst {

TForm4* Form4 = nullptr;

namespace {

// Far more than the picture needs; a larger file is not ours.
constexpr qint64 MaximumPictureBytes = 4 << 20;

const QColor Navy(0x00, 0x00, 0x80);
const QColor Red(0xFF, 0x00, 0x00);

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

}  // namespace

TForm4::TForm4() : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    Form4 = this;
    buildControls();
    FormCreate();
}

TForm4::~TForm4()
{
    if (Form4 == this)
        Form4 = nullptr;
}

void TForm4::buildControls()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(qtr(strings::AboutCaption));
    setFont(msSansSerifFont());
    setFixedSize(191, 261);

    Image1 = named(new QLabel(this), "Image1");
    Image1->setGeometry(0, 0, 190, 65);
    Image1->setToolTip(qtr(strings::AboutPictureHint));
    Image1->installEventFilter(this);

    auto label = [this](const char* name, TextId text, int left, int top) {
        auto* l = named(new QLabel(qtr(text), this), name);
        l->move(left, top);
        return l;
    };
    Label1 = label("Label1", strings::AboutProduct, 4, 76);
    QFont title = arialBlackFont(15);
    title.setItalic(true);
    Label1->setFont(title);
    setTextColor(Label1, Navy);
    Label2 = label("Label2", strings::AboutAuthor, 64, 104);
    Label3 = label("Label3", strings::AboutOrigin, 12, 124);
    QFont boldUnderlined = font();
    boldUnderlined.setBold(true);
    boldUnderlined.setUnderline(true);
    Label3->setFont(boldUnderlined);
    setTextColor(Label3, Red);
    Label4 = label("Label4", strings::AboutException, 28, 140);
    QFont bold = font();
    bold.setBold(true);
    Label5 = label("Label5", strings::AboutThanks, 68, 160);
    Label5->setFont(bold);

    StaticText1 = label("StaticText1", strings::AboutThanksFirst, 8, 176);
    StaticText1->resize(180, 17);
    setTextColor(StaticText1, Navy);
    StaticText2 = label("StaticText2", strings::AboutThanksSecond, 32, 192);
    StaticText2->resize(123, 17);
    setTextColor(StaticText2, Navy);
    Label9 = label("Label9", strings::AboutCommunity, 16, 212);
    Label9->setFont(bold);

    BitBtn1 = named(new QPushButton(qtr(strings::OkButton), this), "BitBtn1");
    BitBtn1->setGeometry(56, 232, 75, 25);
    BitBtn1->setFont(bold);
    setTextColor(BitBtn1, Navy);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);

    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label9})
        l->adjustSize();
    fitTexts();
    // On a high-density screen the picture drawn at twice the size stays sharp.
    if (devicePixelRatioF() > 1)
        loadPicture(HighDensityPicturePath, 2);
    if (Image1->pixmap().isNull())
        loadPicture(PicturePath);
}

// The texts are laid out for MS Sans Serif; where a wider face stands in for
// it and a line would run off the window, the lines below the title are
// narrowed together just enough to fit. Glyph widths are rounded to whole
// pixels, so the first estimate is refined a step at a time.
void TForm4::fitTexts()
{
    constexpr int Margin = 1;
    constexpr int NarrowestStretch = 75;
    const std::initializer_list<QLabel*> lines = {Label2, Label3, Label4, Label5, StaticText1, StaticText2, Label9};
    auto stretchNeeded = [&] {
        auto roomOf = [this](QWidget* widget) { return width() - Margin - widget->x(); };
        return stretchToFit({
            {Label2, roomOf(Label2)},
            {Label3, roomOf(Label3)},
            {Label4, roomOf(Label4)},
            {Label5, roomOf(Label5)},
            {StaticText1, StaticText1->width()},
            {StaticText2, StaticText2->width()},
            {Label9, roomOf(Label9)},
        });
    };
    auto narrowTo = [&](int stretch) {
        for (QLabel* label : lines) {
            QFont narrowed = label->font();
            narrowed.setStretch(stretch);
            label->setFont(narrowed);
            if (label != StaticText1 && label != StaticText2)
                label->adjustSize();
        }
    };
    int stretch = stretchNeeded();
    if (stretch == 100)
        return;
    narrowTo(stretch);
    while (stretchNeeded() < 100 && stretch > NarrowestStretch)
        narrowTo(--stretch);
}

void TForm4::FormCreate()
{
    Label1->setText(Label1->text() + qformat(strings::AboutVersion, {toQt(ProgramVersion)}));
    Label1->adjustSize();
}

void TForm4::loadPicture(const QString& path, qreal density)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaximumPictureBytes)
        bytes = file.readAll();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    std::optional<RgbPicture> picture = decodeJpeg({data, static_cast<std::size_t>(bytes.size())});
    if (!picture) {
        Image1->clear();
        Image1->resize(190, 65);
        return;
    }
    QImage image(picture->pixels.data(), picture->width, picture->height, picture->width * 3, QImage::Format_RGB888);
    QPixmap pixmap = QPixmap::fromImage(image);  // copies the pixels
    pixmap.setDevicePixelRatio(density);
    Image1->setPixmap(pixmap);
    Image1->resize(qRound(picture->width / density), qRound(picture->height / density));
}

void TForm4::BitBtn1Click()
{
    hide();
}

void TForm4::Image1DblClick()
{
    dialogs().message(qtr(strings::EasterEgg));
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        Image1DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kst
