#include "app/naming_panel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/widget_helpers.h"
#include "window/main_window_model.h"

namespace tambrel {

NamingPanel::NamingPanel() : panel_(raisedPanel("PanelNaming", 230, 121)) {
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    EditFrets = new QLineEdit;
    EditFrets->setObjectName(QStringLiteral("EditFrets"));
    EditFrets->setPlaceholderText(QStringLiteral("x32010"));
    EditFrets->setToolTip(
        QStringLiteral("Frets from the low string, x for muted; Enter names them"));
    layout->addWidget(EditFrets);
    ListBoxReadings = new QListWidget;
    ListBoxReadings->setObjectName(QStringLiteral("ListBoxReadings"));
    ListBoxReadings->setFont(interfaceFont(9));
    ListBoxReadings->setToolTip(
        QStringLiteral("What the entered fingering reads as; choose one to search it"));
    layout->addWidget(ListBoxReadings, 1);
}

QWidget* NamingPanel::widget() const {
    return panel_;
}

void NamingPanel::connect(MainWindowModel& model, const ModelForward& forward) {
    QObject::connect(EditFrets, &QLineEdit::returnPressed, panel_,
                     [forward, &model, edit = EditFrets] {
                         const std::string text = edit->text().toStdString();
                         forward([&] { model.enterFretList(text); });
                     });
    QObject::connect(ListBoxReadings, &QListWidget::itemClicked, panel_,
                     [forward, &model, list = ListBoxReadings](QListWidgetItem* item) {
                         const int row = list->row(item);
                         forward([&] { model.chooseReading(row); });
                     });
}

void NamingPanel::show(const MainWindowModel& model) {
    const WindowState& w = model.window();
    if (w.fretListText != shownFretList_) {
        shownFretList_ = w.fretListText;
        setText(EditFrets, QString::fromStdString(w.fretListText));
    }
    if (w.readings != shownReadings_) {
        shownReadings_ = w.readings;
        QStringList items;
        for (const std::string& reading : w.readings) items << QString::fromStdString(reading);
        setItems(ListBoxReadings, items);
    }
    const QSignalBlocker blocker(ListBoxReadings);
    ListBoxReadings->setCurrentRow(w.chosenReading);
}

} // namespace tambrel
