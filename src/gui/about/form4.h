#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace kst {

// The About window: the picture, the name with its version, the author, where
// the tools come from and the thanks. Created hidden once; OK hides it.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    TForm4();
    ~TForm4() override;

    // Shows the JPEG picture in the file; a file that is missing, damaged or
    // no JPEG at all leaves the window without a picture.
    // Shows the picture at path, drawn at density times the window's measures.
    void loadPicture(const QString& path, qreal density = 1);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // The picture stored with the program.
    static inline const QString PicturePath = QStringLiteral(":/about.jpg");
    static inline const QString HighDensityPicturePath = QStringLiteral(":/about@2x.jpg");

public slots:
    void BitBtn1Click();
    void Image1DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fitTexts();
    void FormCreate();
};

extern TForm4* Form4;

}  // namespace kst
