import QtQuick 1.1

// A mixing valve: a diamond that fills as the valve opens.
Item {
    id: valve
    property int opening: 0
    property string caption: ""
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    signal clicked()
    width: 64
    height: 78

    Item {
        id: shape
        width: 44
        height: 44
        anchors.horizontalCenter: parent.horizontalCenter
        y: 6
        rotation: 45
        Rectangle { anchors.fill: parent; color: "#eef2f6"; border.color: "#2d3e50"; border.width: 3 }
        Rectangle {
            x: 3; y: 3
            width: (parent.width - 6) * Math.max(0, Math.min(100, valve.opening)) / 100
            height: parent.height - 6
            color: "#e39b1b"
        }
    }
    Text {
        anchors.top: shape.bottom
        anchors.topMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        text: valve.caption + " " + valve.opening + " %"
        font.pixelSize: 12
        color: "#2d3e50"
    }
    MouseArea { anchors.fill: parent; onClicked: valve.clicked() }
}
