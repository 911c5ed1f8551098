import QtQuick 1.1

// A fan whose blades turn while it runs, faster in a higher gear.
Item {
    id: fan
    property bool running: false
    property int gear: 1
    property string caption: ""
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    signal clicked()
    width: 90
    height: 110

    Rectangle {
        id: ring
        width: 90
        height: 90
        radius: 45
        color: "#eef2f6"
        border.color: fan.running ? "#2e9e5b" : "#2d3e50"
        border.width: 4
        Item {
            anchors.fill: parent
            Repeater {
                model: 3
                Rectangle {
                    x: 41; y: 8
                    width: 8; height: 37
                    radius: 4
                    color: fan.running ? "#2e9e5b" : "#9aa5b1"
                    transformOrigin: Item.Bottom
                    rotation: index * 120
                }
            }
            NumberAnimation on rotation { running: fan.running; from: 0; to: 360; duration: 2400 / Math.max(1, fan.gear); loops: Animation.Infinite }
        }
    }
    Text {
        anchors.top: ring.bottom
        anchors.topMargin: 2
        anchors.horizontalCenter: ring.horizontalCenter
        text: fan.caption + (fan.running ? " (bieg " + fan.gear + ")" : " (stop)")
        font.pixelSize: 12
        color: "#2d3e50"
    }
    MouseArea { anchors.fill: ring; onClicked: fan.clicked() }
}
