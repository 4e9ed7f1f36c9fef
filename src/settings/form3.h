#pragma once

#include <QWidget>

namespace kst {

// The Options window.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    TForm3();
    ~TForm3() override;
};

extern TForm3* Form3;

}  // namespace kst
