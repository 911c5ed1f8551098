import QtQuick 1.1

// A gas boiler: the flame shows while the burner fires.
Rectangle {
    id: boiler
    property string caption: ""
    property bool firing: false
    property int power: 0
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    signal clicked()
    width: 130
    height: 170
    radius: 8
    color: "#eef2f6"
    border.color: "#2d3e50"
    border.width: 3

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        text: boiler.caption
        font.pixelSize: 15
        font.bold: true
        color: "#1f2d3a"
    }
    Image {
        id: flame
        anchors.horizontalCenter: parent.horizontalCenter
        y: 36
        width: 64
        height: 64
        source: "../images/flame.svg"
        opacity: boiler.firing ? 1.0 : 0.15
        Behavior on opacity { NumberAnimation { duration: 400 } }
    }
    Rectangle {
        x: 15; y: 112
        width: parent.width - 30
        height: 14
        radius: 4
        color: "white"
        border.color: "#b7c2ce"
        Rectangle {
            x: 2; y: 2
            height: parent.height - 4
            width: (parent.width - 4) * Math.max(0, Math.min(100, boiler.power)) / 100
            radius: 3
            color: "#e39b1b"
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 132
        text: (boiler.firing ? "Palnik: praca" : "Palnik: postój") + "\nMoc " + boiler.power + " %"
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 12
        color: "#2d3e50"
    }
    MouseArea { anchors.fill: parent; onClicked: boiler.clicked() }
}
