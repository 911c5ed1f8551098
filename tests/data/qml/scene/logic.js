// Text shown under the scheme's title.
function describe(temperature, pumpOn) {
    return temperature.toFixed(1) + " °C, " + (pumpOn ? "pompa pracuje" : "pompa stoi");
}
