#pragma once

#include <QWidget>

namespace kst {

// The folder chooser.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    TForm2();
    ~TForm2() override;
};

extern TForm2* Form2;

}  // namespace kst
