import QtQuick 1.1

// The title bar every scheme has.
Rectangle {
    property string title: ""
    property string subtitle: ""
    width: 900
    height: 56
    color: "#1f3a5a"
    Text { x: 20; y: 8; text: parent.title; font.pixelSize: 22; font.bold: true; color: "white" }
    Text { x: 20; y: 35; text: parent.subtitle; font.pixelSize: 12; color: "#c9d6e3" }
}
