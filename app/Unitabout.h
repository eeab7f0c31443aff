#pragma once
// The About box: the banner, the product name and version, and a link to the project's web
// page. A fixed-size tool window without buttons, closed with its title-bar close box.
#include <QDialog>
#include <QUrl>

class QLabel;

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    // The project's web page that the link opens.
    static QUrl webPage();

    // Asks the desktop to open the web page in the default browser, which then runs on its own.
    void Label3Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* Label3 = nullptr;
};
