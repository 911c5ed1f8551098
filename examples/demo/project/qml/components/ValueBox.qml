import QtQuick 1.1

// One reading: a caption over the value with its unit. Highlighted while it
// can be clicked to change.
Rectangle {
    id: box
    property string caption: ""
    property string value: "--"
    property string unit: ""
    property bool alarm: false
    property bool editable: false
    property bool stale: false // the value shown is not live
    signal clicked()
    width: 120
    height: 44
    radius: 6
    color: stale ? "#eceff1" : (alarm ? "#fbeaea" : "white")
    border.color: stale ? "#9aa5b1" : (alarm ? "#d64545" : (editable ? "#3a86d4" : "#b7c2ce"))
    border.width: editable ? 2 : 1

    Text {
        x: 8; y: 4
        text: box.caption
        font.pixelSize: 11
        color: "#5b6b7b"
    }
    Text {
        x: 8; y: 19
        text: box.value + (box.unit.length > 0 ? " " + box.unit : "")
        font.pixelSize: 17
        font.bold: true
        font.strikeout: box.stale
        color: box.stale ? "#8a96a3" : (box.alarm ? "#b02020" : "#1f2d3a")
    }
    MouseArea { anchors.fill: parent; enabled: box.editable; onClicked: box.clicked() }
}
