// The maker's contact window: company, town, telephone and fax, and an e-mail and a web address
// that open in the system's mail program and browser when clicked.
#pragma once

#include "dialogs/KeLoGradForm.h"
#include "scene/SceneState.h"

#include <QTimer>
#include <QUrl>

#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;

class TKontaktadresseForm : public TGradientForm {
    Q_OBJECT
  public:
    explicit TKontaktadresseForm(const SceneState& state, QWidget* parent = nullptr);

    QLabel* Heading;
    QLabel* EMail;
    QLabel* Website;
    QPushButton* BitBtn1; // OK
    QTimer Timer1;
    // Hands an address to the system (mail program, browser); replaceable so that nothing is
    // launched in tests.
    std::function<void(const QUrl&)> openUrl;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layOutColumn(QLabel* company, QLabel* town, QGridLayout* details, QLabel* footer);
    void setHeading();
    void EMailClick();
    void WebsiteClick();

    const SceneState& state;
};
