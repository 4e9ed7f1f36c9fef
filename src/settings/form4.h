#pragma once

#include <QWidget>

namespace kst {

// The About window.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    TForm4();
    ~TForm4() override;
};

extern TForm4* Form4;

}  // namespace kst
