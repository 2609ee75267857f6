#include "platform/SerialPortListModel.h"

#include "app/link/SerialPort.h"

namespace v32 {

QString SerialPortListModel::portName(int row) {
    return QStringLiteral("COM%1").arg(row + 1);
}

QString SerialPortListModel::describedPortName(int row) {
    const QString name = portName(row);
    const std::optional<std::string> device = SerialPort::devicePathFor(name.toStdString());
    if (!device) {
        return name;
    }
    return QStringLiteral("%1 (%2)").arg(name, QString::fromStdString(*device));
}

int SerialPortListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPortCount;
}

// An editable combo box puts the edit role into its text field and lists the display role.
QVariant SerialPortListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kPortCount) {
        return {};
    }
    switch (role) {
    case Qt::EditRole:
        return portName(index.row());
    case Qt::DisplayRole:
        return describedPortName(index.row());
    default:
        return {};
    }
}

} // namespace v32
