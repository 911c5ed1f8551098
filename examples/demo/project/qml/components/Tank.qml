import QtQuick 1.1

// A hot water tank whose colour follows its temperature.
Item {
    id: tank
    property real temperature: 0
    property string caption: ""
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    width: 110
    height: 190

    Rectangle {
        id: shell
        anchors.fill: parent
        radius: 40
        border.color: "#2d3e50"
        border.width: 3
        gradient: Gradient {
            GradientStop { position: 0.0; color: tank.temperature > 50 ? "#e05a3a" : "#f0a060" }
            GradientStop { position: 1.0; color: tank.temperature > 40 ? "#f0a060" : "#7fb3e6" }
        }
    }
    Text {
        anchors.centerIn: parent
        text: tank.caption + "\n" + tank.temperature.toFixed(1) + " °C"
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 15
        font.bold: true
        color: "white"
    }
}
