import Qt 4.7

Rectangle {
    id: root
    width: 200
    height: 100
    property int nastawa: 0
    signal itemClicked(string name)
}
