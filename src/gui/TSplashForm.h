#pragma once

#include "app/StartupSequence.h"

#include <memory>

#include <QWidget>

class QFrame;
class QLabel;

namespace quillby::gui {

class TCGauge;

// The splash window of the start-up: a borderless picture window above all others, centred on
// the screen, with the program's title line, a status text and a thin gauge along its bottom.
class TSplashForm final : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* Image1;
    QLabel* StaticText1;
    QLabel* InfoLabel;
    TCGauge* CGauge1;

    void setInfoText(const QString& text);
    // Paints the whole window now: no message loop runs during the start-up.
    void Update();
};

// The start-up's splash, made from a real TSplashForm.
class SplashWindow final : public StartupSplash {
public:
    void create() override;
    void show() override;
    void setGaugeMaximum(int maximum) override;
    void setGaugeMinimum(int minimum) override;
    int gaugeValue() const override;
    void setGaugeValue(int value) override;
    void setStatusText(std::string_view text) override;
    void repaint() override;
    void destroy() override;

    TSplashForm* form() const { return m_form.get(); }

private:
    std::unique_ptr<TSplashForm> m_form;
};

} // namespace quillby::gui
