#pragma once

#include <QWidget>

#include <functional>

// A borderless, topmost window covering one screen, holding its selection view.
class ScreenRegionSelectionWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenRegionSelectionWindow(QScreen *screen);

    std::function<void()> onCancel = [] {};

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
