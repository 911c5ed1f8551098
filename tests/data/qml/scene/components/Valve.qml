import Qt 4.7

// A mixing valve showing how far it is open.
Item {
    width: 60
    height: 60
    property int opening: 0
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.color: "#37474f"
        Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: parent.height * opening / 100; color: "#ff9800" }
    }
    Text { anchors.centerIn: parent; text: opening + " %" }
}
