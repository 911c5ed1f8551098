<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>AddPlotDialog</name>
    <message>
        <source>Dodaj wartość do wykresu :</source>
        <translation>Add a value to the chart:</translation>
    </message>
    <message>
        <source>Nazwa parametru: </source>
        <translation>Parameter name: </translation>
    </message>
    <message>
        <source>Rodzaj linii:</source>
        <translation>Line style:</translation>
    </message>
    <message>
        <source>Ciągła</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Kreskowana</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>Kropka kreska</source>
        <translation>Dash dot</translation>
    </message>
    <message>
        <source>Interpolacja:</source>
        <translation>Interpolation:</translation>
    </message>
    <message>
        <source>Brak</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Grubość linii: </source>
        <translation>Line width: </translation>
    </message>
    <message>
        <source>Wybierz kolor: </source>
        <translation>Choose a colour: </translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AlarmAddEdit</name>
    <message>
        <source>Alarm punktu</source>
        <translation>Point alarm</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Granica:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Alarm wysokiej wartości powstaje powyżej granicy, niskiej poniżej niej.</source>
        <translation>A high alarm is raised above the limit, a low one below it.</translation>
    </message>
    <message>
        <source>Histereza:</source>
        <translation>Hysteresis:</translation>
    </message>
    <message>
        <source>Alarm wysokiej wartości gaśnie dopiero poniżej granicy pomniejszonej o histerezę (niskiej: powyżej granicy powiększonej o nią).</source>
        <translation>A high alarm clears only below the limit less the hysteresis (a low one: above the limit plus it).</translation>
    </message>
    <message>
        <source>Wartość alarmowa:</source>
        <translation>Alarm value:</translation>
    </message>
    <message>
        <source>Alarm trwa, dopóki zmienna ma tę wartość (logiczna: 0 lub 1).</source>
        <translation>The alarm lasts while the variable has this value (logic: 0 or 1).</translation>
    </message>
    <message>
        <source>Zwłoka wystąpienia:</source>
        <translation>On-delay:</translation>
    </message>
    <message>
        <source>Tyle sekund warunek musi trwać, zanim alarm powstanie.</source>
        <translation>The condition must hold this many seconds before the alarm is raised.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zwłoka ustąpienia:</source>
        <translation>Off-delay:</translation>
    </message>
    <message>
        <source>Tyle sekund warunku musi nie być, zanim alarm ustąpi.</source>
        <translation>The condition must be gone this many seconds before the alarm clears.</translation>
    </message>
    <message>
        <source>Priorytet:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – critical</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – high</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – medium</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – low</translation>
    </message>
    <message>
        <source>Tekst alarmu:</source>
        <translation>Alarm text:</translation>
    </message>
    <message>
        <source>np. Przegrzanie kotła 1</source>
        <translation>e.g. Boiler 1 overheating</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Granica</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Histereza</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Wartość alarmowa</source>
        <translation>Alarm value</translation>
    </message>
    <message>
        <source>%1: „%2” nie jest liczbą.</source>
        <translation>%1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>AlarmAnalysisDialog</name>
    <message>
        <source>Analiza alarmów</source>
        <translation>Alarm analysis</translation>
    </message>
    <message>
        <source>Okres (czas lokalny)</source>
        <translation>Period (local time)</translation>
    </message>
    <message>
        <source>Ostatnie 24 godziny</source>
        <translation>Last 24 hours</translation>
    </message>
    <message>
        <source>Ostatnie 7 dni</source>
        <translation>Last 7 days</translation>
    </message>
    <message>
        <source>Ostatnie 30 dni</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <source>Ostatni rok</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>Wybrany zakres</source>
        <translation>Chosen range</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>The start of the range must come before its end.</translation>
    </message>
    <message>
        <source>Liczę...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>Analiza alarmów niedostępna: %1</source>
        <translation>Alarm analysis unavailable: %1</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>Brak komunikacji ze sterownikiem %1</source>
        <translation>No communication with controller %1</translation>
    </message>
</context>
<context>
    <name>AlarmHistoryDialog</name>
    <message>
        <source>Historia alarmów</source>
        <translation>Alarm history</translation>
    </message>
    <message>
        <source>Zakres (czas lokalny) i filtr</source>
        <translation>Range (local time) and filter</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Punkt:</source>
        <translation>Point:</translation>
    </message>
    <message>
        <source>Priorytet:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – critical</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – high</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – medium</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – low</translation>
    </message>
    <message>
        <source>Zdarzenie:</source>
        <translation>Event:</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 — komunikacja</source>
        <translation>%1 — communication</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>The start of the range must come before its end.</translation>
    </message>
    <message>
        <source>Czytam dziennik alarmów...</source>
        <translation>Reading the alarm journal...</translation>
    </message>
    <message>
        <source>Historia alarmów niedostępna: %1</source>
        <translation>Alarm history unavailable: %1</translation>
    </message>
    <message>
        <source>Pokazano %1 najnowszych zdarzeń zakresu; starsze są w eksporcie.</source>
        <translation>Showing the newest %1 events of the range; older ones are in the export.</translation>
    </message>
    <message>
        <source>Zdarzeń: %1</source>
        <translation>Events: %1</translation>
    </message>
    <message>
        <source>alarmy.csv</source>
        <translation>alarms.csv</translation>
    </message>
    <message>
        <source>Eksport historii alarmów</source>
        <translation>Alarm history export</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation>Exporting to the file %1...</translation>
    </message>
    <message>
        <source>Eksport historii alarmów: zapisano wierszy: %1 do pliku %2</source>
        <translation>Alarm history export: %1 rows written to the file %2</translation>
    </message>
    <message>
        <source>Eksport historii alarmów nieudany: %1</source>
        <translation>Alarm history export failed: %1</translation>
    </message>
</context>
<context>
    <name>AlarmIndicator</name>
    <message>
        <source>Alarmy: %1 niepotwierdzone, %2 aktywne</source>
        <translation>Alarms: %1 unacknowledged, %2 active</translation>
    </message>
    <message>
        <source>Brak alarmów</source>
        <translation>No alarms</translation>
    </message>
    <message>
        <source>Najwyższy priorytet: %1</source>
        <translation>Highest priority: %1</translation>
    </message>
</context>
<context>
    <name>AlarmJournalModel</name>
    <message>
        <source>wystąpił</source>
        <translation>raised</translation>
    </message>
    <message>
        <source>ustąpił</source>
        <translation>cleared</translation>
    </message>
    <message>
        <source>potwierdzony</source>
        <translation>acknowledged</translation>
    </message>
    <message>
        <source>odłożony</source>
        <translation>shelved</translation>
    </message>
    <message>
        <source>przywrócony</source>
        <translation>unshelved</translation>
    </message>
    <message>
        <source>wyłączony z obsługi</source>
        <translation>out of service</translation>
    </message>
    <message>
        <source>włączony do obsługi</source>
        <translation>back in service</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Użytkownik</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Komentarz</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Priorytet:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – critical</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – high</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – medium</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – low</translation>
    </message>
    <message>
        <source>Szukaj w punkcie, opisie, tekście</source>
        <translation>Search point, description, text</translation>
    </message>
    <message>
        <source>Odłożone i wyłączone z obsługi</source>
        <translation>Shelved and out of service</translation>
    </message>
    <message>
        <source>Wycisz</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Komentarz do potwierdzenia (nieobowiązkowy)</source>
        <translation>Comment on acknowledgement (optional)</translation>
    </message>
    <message>
        <source>Potwierdź zaznaczone</source>
        <translation>Acknowledge selected</translation>
    </message>
    <message>
        <source>Potwierdź wszystkie widoczne</source>
        <translation>Acknowledge all shown</translation>
    </message>
    <message>
        <source>Odłóż…</source>
        <translation>Shelve…</translation>
    </message>
    <message>
        <source>Przywróć</source>
        <translation>Unshelve</translation>
    </message>
    <message>
        <source>Wyłącz z obsługi…</source>
        <translation>Out of service…</translation>
    </message>
    <message>
        <source>Włącz do obsługi</source>
        <translation>Back in service</translation>
    </message>
    <message>
        <source>i %1 innych</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Odłóż alarmy</source>
        <translation>Shelve alarms</translation>
    </message>
    <message>
        <source>Wyłącz alarmy z obsługi</source>
        <translation>Take alarms out of service</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Ustąpił, niepotwierdzony</source>
        <translation>Returned, unacknowledged</translation>
    </message>
    <message>
        <source>, odłożony do %1</source>
        <translation>, shelved until %1</translation>
    </message>
    <message>
        <source>Historia alarmów</source>
        <translation>Alarm history</translation>
    </message>
    <message>
        <source>Analiza alarmów</source>
        <translation>Alarm analysis</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Historia punktu zaznaczonego alarmu wokół chwili jego wystąpienia</source>
        <translation>History of the selected alarm&apos;s point around the time it was raised</translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation>Not permitted</translation>
    </message>
</context>
<context>
    <name>AlarmReasonDialog</name>
    <message>
        <source>Na czas:</source>
        <translation>For:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Powód:</source>
        <translation>Reason:</translation>
    </message>
    <message>
        <source>Najdłużej %1 min</source>
        <translation>At most %1 min</translation>
    </message>
    <message>
        <source>Podaj powód.</source>
        <translation>Give a reason.</translation>
    </message>
</context>
<context>
    <name>AlarmReportHtml</name>
    <message>
        <source>w normie</source>
        <translation>on target</translation>
    </message>
    <message>
        <source>ponad cel</source>
        <translation>over target</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Obciążenie operatora</source>
        <translation>Operator load</translation>
    </message>
    <message>
        <source>Średnio na 10 minut</source>
        <translation>Average per 10 minutes</translation>
    </message>
    <message>
        <source>cel: najwyżej 1</source>
        <translation>target: at most 1</translation>
    </message>
    <message>
        <source>Najwięcej w 10 minutach</source>
        <translation>Most in 10 minutes</translation>
    </message>
    <message>
        <source>%1 (od %2)</source>
        <translation>%1 (from %2)</translation>
    </message>
    <message>
        <source>cel: poniżej 10</source>
        <translation>target: below 10</translation>
    </message>
    <message>
        <source>Czas w zalewie alarmów (10 i więcej na 10 minut)</source>
        <translation>Time in alarm flood (10 or more per 10 minutes)</translation>
    </message>
    <message>
        <source>cel: poniżej 1 %</source>
        <translation>target: below 1 %</translation>
    </message>
    <message>
        <source>Priorytety</source>
        <translation>Priorities</translation>
    </message>
    <message>
        <source>Niski (4): %1</source>
        <translation>Low (4): %1</translation>
    </message>
    <message>
        <source>cel: około 80 %</source>
        <translation>target: about 80 %</translation>
    </message>
    <message>
        <source>Średni (3): %1</source>
        <translation>Medium (3): %1</translation>
    </message>
    <message>
        <source>cel: około 15 %</source>
        <translation>target: about 15 %</translation>
    </message>
    <message>
        <source>Wysoki i krytyczny (1–2): %1</source>
        <translation>High and critical (1–2): %1</translation>
    </message>
    <message>
        <source>cel: około 5 %</source>
        <translation>target: about 5 %</translation>
    </message>
    <message>
        <source>Alarmy trwające ponad 24 godziny</source>
        <translation>Alarms standing for more than 24 hours</translation>
    </message>
    <message>
        <source>Brak.</source>
        <translation>None.</translation>
    </message>
    <message>
        <source>Wystąpił</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Odłożone i wyłączone z obsługi</source>
        <translation>Shelved and out of service</translation>
    </message>
    <message>
        <source>W zakresie: odłożeń %1, wyłączeń z obsługi %2.</source>
        <translation>In the range: %1 shelvings, %2 taken out of service.</translation>
    </message>
    <message>
        <source>%1 (odłożony do %2)</source>
        <translation>%1 (shelved until %2)</translation>
    </message>
    <message>
        <source>%1 (wyłączony z obsługi)</source>
        <translation>%1 (out of service)</translation>
    </message>
    <message>
        <source>Teraz:</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>żaden.</source>
        <translation>none.</translation>
    </message>
    <message>
        <source>Od %1 do %2: alarmów %3 w %4 okresach 10-minutowych.</source>
        <translation>From %1 to %2: %3 alarms in %4 periods of 10 minutes.</translation>
    </message>
    <message>
        <source>Dziesięć najczęstszych alarmów</source>
        <translation>The ten most frequent alarms</translation>
    </message>
    <message>
        <source>Wystąpień</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Brak alarmów w zakresie.</source>
        <translation>No alarms in the range.</translation>
    </message>
    <message>
        <source>Alarmy migające (3 i więcej w ciągu minuty)</source>
        <translation>Chattering alarms (3 or more within a minute)</translation>
    </message>
    <message>
        <source>Powtórzeń</source>
        <translation>Repeats</translation>
    </message>
</context>
<context>
    <name>AlarmTableModel</name>
    <message>
        <source>brak odczytu</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>Wyłączony z obsługi</source>
        <translation>Out of service</translation>
    </message>
    <message>
        <source>Aktywny, niepotwierdzony</source>
        <translation>Active, unacknowledged</translation>
    </message>
    <message>
        <source>Aktywny, potwierdzony</source>
        <translation>Active, acknowledged</translation>
    </message>
    <message>
        <source>Ustąpił, niepotwierdzony</source>
        <translation>Returned, unacknowledged</translation>
    </message>
    <message>
        <source>Ustąpił</source>
        <translation>Returned</translation>
    </message>
    <message>
        <source>, odłożony do %1</source>
        <translation>, shelved until %1</translation>
    </message>
    <message>
        <source>Wystąpił</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>AuditDialog</name>
    <message>
        <source>Historia zmian</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>Zakres (czas lokalny) i filtr</source>
        <translation>Range (local time) and filter</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Nazwa logowania; puste pole: wszyscy</source>
        <translation>Login name; empty: everyone</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>The start of the range must come before its end.</translation>
    </message>
    <message>
        <source>Czytam historię zmian...</source>
        <translation>Reading the change history...</translation>
    </message>
    <message>
        <source>Historia zmian niedostępna: %1</source>
        <translation>Change history unavailable: %1</translation>
    </message>
    <message>
        <source>Pokazano %1 najnowszych z %2 wpisów zakresu; wszystkie są w eksporcie.</source>
        <translation>Showing the newest %1 of the %2 entries of the range; all of them are in the export.</translation>
    </message>
    <message>
        <source>Wpisów: %1</source>
        <translation>Entries: %1</translation>
    </message>
    <message>
        <source>historia-zmian.csv</source>
        <translation>change-history.csv</translation>
    </message>
    <message>
        <source>Eksport historii zmian</source>
        <translation>Change history export</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation>Exporting to the file %1...</translation>
    </message>
    <message>
        <source>Eksport historii zmian: zapisano wierszy: %1 do pliku %2</source>
        <translation>Change history export: %1 rows written to the file %2</translation>
    </message>
    <message>
        <source>Eksport historii zmian nieudany: %1</source>
        <translation>Change history export failed: %1</translation>
    </message>
</context>
<context>
    <name>AuditTableModel</name>
    <message>
        <source>zapis</source>
        <translation>write</translation>
    </message>
    <message>
        <source>zapis odrzucony</source>
        <translation>write refused</translation>
    </message>
    <message>
        <source>zapis zmieniony</source>
        <translation>write changed</translation>
    </message>
    <message>
        <source>logowanie</source>
        <translation>login</translation>
    </message>
    <message>
        <source>wylogowanie</source>
        <translation>logout</translation>
    </message>
    <message>
        <source>nieudane logowanie</source>
        <translation>failed login</translation>
    </message>
    <message>
        <source>blokada logowania</source>
        <translation>login locked</translation>
    </message>
    <message>
        <source>zapis projektu</source>
        <translation>project saved</translation>
    </message>
    <message>
        <source>zmiana użytkowników</source>
        <translation>users changed</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Użytkownik</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Stanowisko</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Czynność</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Zmienna</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Wysłano</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Potwierdzono</source>
        <translation>Confirmed</translation>
    </message>
    <message>
        <source>Szczegóły</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>ColorPickerPopup</name>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>ControllerStatusColumns</name>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Ostatnia odpowiedź</source>
        <translation>Last answer</translation>
    </message>
    <message>
        <source>Czas odpowiedzi</source>
        <translation>Response time</translation>
    </message>
    <message>
        <source>nieużywany w schemacie</source>
        <translation>not used in the scheme</translation>
    </message>
    <message>
        <source>odpowiada</source>
        <translation>responds</translation>
    </message>
    <message>
        <source>nie odpowiada</source>
        <translation>does not respond</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>never</translation>
    </message>
</context>
<context>
    <name>DataRead</name>
    <message>
        <source>Sterownik </source>
        <translation>Controller </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> does not respond</translation>
    </message>
    <message>
        <source>: niepoprawna suma kontrolna</source>
        <translation>: wrong check sum</translation>
    </message>
    <message>
        <source>: niepełna odpowiedź</source>
        <translation>: incomplete reply</translation>
    </message>
    <message>
        <source>: odpowiedź bez wartości</source>
        <translation>: reply without values</translation>
    </message>
    <message>
        <source> znów odpowiada</source>
        <translation> responds again</translation>
    </message>
</context>
<context>
    <name>EventAddEdit</name>
    <message>
        <source>Dodaj / edytuj zdarzenie</source>
        <translation>Add / edit event</translation>
    </message>
    <message>
        <source>Nazwa zdarzenia: </source>
        <translation>Event name: </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Id sterownika</source>
        <translation>Controller ID</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Dodaj element</source>
        <translation>Add item</translation>
    </message>
    <message>
        <source>Usuń element</source>
        <translation>Remove item</translation>
    </message>
</context>
<context>
    <name>EventItemAddEdit</name>
    <message>
        <source>Element zdarzenia</source>
        <translation>Event item</translation>
    </message>
    <message>
        <source>Typ zmiennej</source>
        <translation>Variable type</translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>Rzeczywista</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logical</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Lista rozwijana</source>
        <translation>Drop-down list</translation>
    </message>
    <message>
        <source>Lista </source>
        <translation>List </translation>
    </message>
    <message>
        <source>Zmiana schematu</source>
        <translation>Scheme change</translation>
    </message>
    <message>
        <source>Id sterownika: </source>
        <translation>Controller ID: </translation>
    </message>
    <message>
        <source>Zmienna w sterowniku: </source>
        <translation>Variable in the controller: </translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Id schematu: </source>
        <translation>Scheme ID: </translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Dodaj wartość</source>
        <translation>Add value</translation>
    </message>
    <message>
        <source>Usuń wartość</source>
        <translation>Remove value</translation>
    </message>
    <message>
        <source>Sterownik nie odpowiada</source>
        <translation>The controller does not respond</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>nazwa jest pusta</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>nazwa nie może zawierać &quot;..&quot;</source>
        <translation>the name must not contain &quot;..&quot;</translation>
    </message>
    <message>
        <source>nazwa zawiera znak niedozwolony w nazwie pliku</source>
        <translation>the name holds a character not allowed in a file name</translation>
    </message>
    <message>
        <source>nazwa nie może kończyć się spacją ani kropką</source>
        <translation>the name must not end with a space or a full stop</translation>
    </message>
    <message>
        <source>nazwa jest zarezerwowana przez system</source>
        <translation>the name is reserved by the system</translation>
    </message>
    <message>
        <source>nazwa jest za długa</source>
        <translation>the name is too long</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>Witaj w programie Tesk-Control !</source>
        <translation>Welcome to Tesk-Control!</translation>
    </message>
    <message>
        <source>Domyślne położenie projektów: </source>
        <translation>Default project location: </translation>
    </message>
    <message>
        <source>Domyślny język: </source>
        <translation>Default language: </translation>
    </message>
    <message>
        <source>Angielski (ENG)</source>
        <translation>English (ENG)</translation>
    </message>
    <message>
        <source>Polski (PL)</source>
        <translation>Polish (PL)</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Wybierz folder</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Język w programie zostanie zmieniony po ponownym uruchomieniu</source>
        <translation>The language will change after the program is restarted</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>za dużo kroków: %1 (najwyżej %2)</source>
        <translation>too many steps: %1 (at most %2)</translation>
    </message>
    <message>
        <source>nie można zapisać pliku %1: %2</source>
        <translation>cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Historia: eksport do pliku CSV</source>
        <translation>History: export to a CSV file</translation>
    </message>
    <message>
        <source>Punkty</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Żaden</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Zakres (czas lokalny)</source>
        <translation>Range (local time)</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Krok:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>min, maks i średnia z każdego kroku zamiast surowych próbek</source>
        <translation>min, max and average of each step instead of raw samples</translation>
    </message>
    <message>
        <source>Eksportuj...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zaznacz co najmniej jeden punkt.</source>
        <translation>Tick at least one point.</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>The start of the range must come before its end.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>historia.csv</source>
        <translation>history.csv</translation>
    </message>
    <message>
        <source>Eksport historii</source>
        <translation>History export</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation>Exporting to the file %1...</translation>
    </message>
    <message>
        <source>Eksport historii: zapisano wierszy: %1 do pliku %2</source>
        <translation>History export: rows written: %1 to the file %2</translation>
    </message>
    <message>
        <source>Eksport historii nieudany: %1</source>
        <translation>History export failed: %1</translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>baza danych zawiera tabele innego programu</source>
        <translation>the database holds tables of another program</translation>
    </message>
    <message>
        <source>historia zapisana przez nowszą wersję programu (schemat %1)</source>
        <translation>history written by a newer version of the program (schema %1)</translation>
    </message>
    <message>
        <source>baza danych nie zawiera historii</source>
        <translation>the database holds no history</translation>
    </message>
    <message>
        <source>historia w starszym schemacie %1: otworzy ją program, który ją zapisuje</source>
        <translation>history in the older schema %1: the program that records it will open it</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>brak folderu %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>%1 jest folderem</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>plik historii %1 nie był czytelny; zachowano go jako %2 i założono nowy</source>
        <translation>history file %1 could not be read; it was kept as %2 and a new one started</translation>
    </message>
    <message>
        <source>historia nie jest otwarta</source>
        <translation>the history is not open</translation>
    </message>
    <message>
        <source>plik %1 nie jest historią</source>
        <translation>the file %1 is not a history</translation>
    </message>
    <message>
        <source>brak pliku historii %1</source>
        <translation>no history file %1</translation>
    </message>
</context>
<context>
    <name>HistoryWriter</name>
    <message>
        <source>Historia niedostępna: nie zapisano zdarzeń alarmów: %1</source>
        <translation>History not available: alarm events not written: %1</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Zaloguj się</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Podaj nazwę użytkownika.</source>
        <translation>Enter a user name.</translation>
    </message>
    <message>
        <source>Błędna nazwa użytkownika lub hasło.</source>
        <translation>Wrong user name or password.</translation>
    </message>
    <message>
        <source>Wpis użytkownika %1 w pliku users.xml jest uszkodzony: nie można się na niego zalogować. Administrator może go poprawić w oknie „Użytkownicy”.</source>
        <translation>The entry of user %1 in users.xml is damaged: it cannot be logged in with. An administrator can mend it in the “Users” window.</translation>
    </message>
    <message>
        <source>Zbyt wiele nieudanych prób logowania jako %1. Spróbuj ponownie za %2 s.</source>
        <translation>Too many failed logins as %1. Try again in %2 s.</translation>
    </message>
    <message>
        <source>Sprawdzanie hasła…</source>
        <translation>Checking the password…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tesk-Control</source>
        <translation>Tesk-Control</translation>
    </message>
    <message>
        <source>Szukaj:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>v 0.8.12</source>
        <translation>v 0.8.12</translation>
    </message>
    <message>
        <source>Dane</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Błędy</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Informacje</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Ostrzeżenia</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Pasek narzędzi</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>Uruchomiono program, logowanie rozpoczęte</source>
        <translation>Program started, logging begun</translation>
    </message>
    <message>
        <source>Zaloguj się</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Nowy projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Otwórz projekt</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Zapisz projekt</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Edytuj projekt</source>
        <translation>Edit project</translation>
    </message>
    <message>
        <source>Sterowniki</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>Drzewo elementów</source>
        <translation>Element tree</translation>
    </message>
    <message>
        <source>Edytor schematów</source>
        <translation>Scheme editor</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O Programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Nie udało się zapisać ustawień: </source>
        <translation>Could not save the settings: </translation>
    </message>
    <message>
        <source>Otwieram ostatnio zapisany projekt: </source>
        <translation>Opening the last saved project: </translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku: </source>
        <translation>Could not save the file: </translation>
    </message>
    <message>
        <source>Otwieram projekt: </source>
        <translation>Opening project: </translation>
    </message>
    <message>
        <source>Nie udało się zapisać projektu:</source>
        <translation>Could not save the project:</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Projekt zawiera niezapisane zmiany. Czy zapisać je teraz?</source>
        <translation>The project has unsaved changes. Save them now?</translation>
    </message>
    <message>
        <source>Nadzór i obsługa sterowników automatyki budynków.</source>
        <translation>Supervision and operation of building automation controllers.</translation>
    </message>
    <message>
        <source>Nie znaleziono: </source>
        <translation>Not found: </translation>
    </message>
    <message>
        <source>Błąd ładowania schematu: </source>
        <translation>Error loading the scheme: </translation>
    </message>
    <message>
        <source>Schemat nie zgłasza kliknięć (brak sygnału itemClicked): </source>
        <translation>The scheme reports no clicks (no itemClicked signal): </translation>
    </message>
    <message>
        <source>Aktualizacja danych</source>
        <translation>Updating data</translation>
    </message>
    <message>
        <source>Odświeżanie schematu zatrzymane; „Odswież” w menu schematu wznawia je</source>
        <translation>Scheme refresh stopped; &quot;Refresh&quot; in the scheme&apos;s menu resumes it</translation>
    </message>
    <message>
        <source>Aktualizacja zakończona, czas odczytu: </source>
        <translation>Update finished, read time: </translation>
    </message>
    <message>
        <source>Odczytano parametr ze sterownika: </source>
        <translation>Parameter read from controller: </translation>
    </message>
    <message>
        <source>Brak parametru w sterowniku: </source>
        <translation>Parameter missing in controller: </translation>
    </message>
    <message>
        <source>Nie znaleziono sterownika z ID: </source>
        <translation>No controller found with ID: </translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Controller </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> does not respond</translation>
    </message>
    <message>
        <source>Nie znaleziono schematu o ID: </source>
        <translation>No scheme found with ID: </translation>
    </message>
    <message>
        <source>Nie zapisano parametru (brak wartości do zapisania): </source>
        <translation>Parameter not written (no value to write): </translation>
    </message>
    <message>
        <source>Zapis do sterownika: </source>
        <translation>Writing to controller: </translation>
    </message>
    <message>
        <source>Nie udało się odczytać plików projektu:</source>
        <translation>The following project files could not be read:</translation>
    </message>
    <message>
        <source>Wybierz folder</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Żaden projekt nie jest otwarty.</source>
        <translation>No project is open.</translation>
    </message>
    <message>
        <source>: niepoprawna odpowiedź</source>
        <translation>: invalid reply</translation>
    </message>
    <message>
        <source>, zapis niepotwierdzony</source>
        <translation>, write not confirmed</translation>
    </message>
    <message>
        <source>Sterownik odrzucił zapis: </source>
        <translation>The controller refused the write: </translation>
    </message>
    <message>
        <source>, wartość w sterowniku bez zmian</source>
        <translation>, the value in the controller is unchanged</translation>
    </message>
    <message>
        <source>Sterownik zmienił zapisywaną wartość: </source>
        <translation>The controller changed the value written: </translation>
    </message>
    <message>
        <source>: wysłano </source>
        <translation>: sent </translation>
    </message>
    <message>
        <source>, sterownik przyjął </source>
        <translation>, the controller kept </translation>
    </message>
    <message>
        <source>Nie wszystkie wartości zostały zapisane:
</source>
        <translation>Not every value was written:
</translation>
    </message>
    <message>
        <source>Zapis niepotwierdzony</source>
        <translation>Write not confirmed</translation>
    </message>
    <message>
        <source>. Wartości można zmienić, gdy znów odpowie.</source>
        <translation>. Its values can be changed once it answers again.</translation>
    </message>
    <message>
        <source>Nie odczytano wartości do zmiany: </source>
        <translation>Values to change not read: </translation>
    </message>
    <message>
        <source>. Nic nie zapisano.</source>
        <translation>. Nothing was written.</translation>
    </message>
    <message>
        <source>Trwa zapis wartości do sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</source>
        <translation>Values are being written to the controllers. The next change can start once that is done.</translation>
    </message>
    <message>
        <source>Trwa odczyt wartości ze sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</source>
        <translation>Values are being read from the controllers. The next change can start once that is done.</translation>
    </message>
    <message>
        <source>Monitorowanie obiektu: punkty: %1, przebieg co %2 s</source>
        <translation>Site monitoring: points: %1, a pass every %2 s</translation>
    </message>
    <message>
        <source>Przed zapisem projektu każdy zwykły plik spośród nich zostanie skopiowany do pliku z końcówką .unreadable.</source>
        <translation>Before the project is saved, each of them that is a regular file is copied to a file ending in .unreadable.</translation>
    </message>
    <message>
        <source>Historia nie jest zapisywana od </source>
        <translation>History not written since </translation>
    </message>
    <message>
        <source>Historia znów jest zapisywana</source>
        <translation>History written again</translation>
    </message>
    <message>
        <source>Monitorowanie</source>
        <translation>Monitoring</translation>
    </message>
    <message>
        <source>Historia</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Monitorowanie: sterownika </source>
        <translation>Monitoring: controller </translation>
    </message>
    <message>
        <source> nie ma na liście sterowników, jego punkty nie są odczytywane</source>
        <translation> is not in the controller list; its points are not read</translation>
    </message>
    <message>
        <source>Monitorowanie: sterownik </source>
        <translation>Monitoring: controller </translation>
    </message>
    <message>
        <source> znów odpowiada</source>
        <translation> responds again</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Alarmy: stany z poprzedniego uruchomienia nie zostały odczytane, alarmy są oceniane od nowa</source>
        <translation>Alarms: the states of the previous run could not be read; alarms are evaluated afresh</translation>
    </message>
    <message>
        <source>Eksport historii…</source>
        <translation>History export…</translation>
    </message>
    <message>
        <source>Historia alarmów</source>
        <translation>Alarm history</translation>
    </message>
    <message>
        <source>Analiza alarmów</source>
        <translation>Alarm analysis</translation>
    </message>
    <message>
        <source>Monitorowanie: punkt trendu %1 nie jest już monitorowany, trend pokazuje jego dotychczasową historię</source>
        <translation>Monitoring: the trend pen %1 is no longer monitored; the trend shows its history so far</translation>
    </message>
    <message>
        <source>Trendy</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>Żadna zmienna tego schematu nie jest punktem monitorowania: brak historii do pokazania.</source>
        <translation>No variable of this scheme is a monitoring point: there is no history to show.</translation>
    </message>
    <message>
        <source>Zapis do sterownika %1 niedozwolony: </source>
        <translation>Write to controller %1 not allowed: </translation>
    </message>
    <message>
        <source>Historia zmian</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>Zalogowano: %1 (%2)</source>
        <translation>Logged in: %1 (%2)</translation>
    </message>
    <message>
        <source>Wylogowano po bezczynności: %1</source>
        <translation>Logged out after idle time: %1</translation>
    </message>
    <message>
        <source>Wylogowano: %1</source>
        <translation>Logged out: %1</translation>
    </message>
    <message>
        <source>Nieudane logowanie: %1</source>
        <translation>Failed login: %1</translation>
    </message>
    <message>
        <source>Zablokowano logowanie %1 na %2 s po kolejnych nieudanych próbach</source>
        <translation>Login of %1 locked for %2 s after repeated failed attempts</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku %1: nikt nie może się zalogować, stacja tylko pokazuje</source>
        <translation>Could not read the file %1: nobody can log in, the station only shows</translation>
    </message>
    <message>
        <source>Użytkownik „%1” w pliku %2 nie może się zalogować: jego wpis jest uszkodzony</source>
        <translation>The user “%1” in the file %2 cannot log in: the entry is damaged</translation>
    </message>
    <message>
        <source>Projekt bez użytkowników: każdy może wszystko</source>
        <translation>Project without users: anyone may do anything</translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation>Not permitted</translation>
    </message>
    <message>
        <source>Nie udało się zapisać użytkowników: </source>
        <translation>Could not save the users: </translation>
    </message>
    <message>
        <source>Nie udało się zapisać użytkowników:</source>
        <translation>Could not save the users:</translation>
    </message>
    <message>
        <source>Zapisano użytkowników projektu: %1</source>
        <translation>The project&apos;s users saved: %1</translation>
    </message>
    <message>
        <source>Wyloguj %1</source>
        <translation>Log out %1</translation>
    </message>
    <message>
        <source>Zalogowany: %1 (%2)</source>
        <translation>Logged in: %1 (%2)</translation>
    </message>
    <message>
        <source>Nikt nie jest zalogowany: stacja tylko pokazuje</source>
        <translation>Nobody is logged in: the station only shows</translation>
    </message>
    <message>
        <source>Historia niedostępna: nie zapisano próbek i wpisów historii zmian: %1</source>
        <translation>History unavailable: samples and change history entries not written: %1</translation>
    </message>
    <message>
        <source>Nieudane logowanie: %1 (logowanie zablokowane)</source>
        <translation>Failed login: %1 (login locked)</translation>
    </message>
    <message>
        <source>Baza historii niedostępna od %1, alarmy na tej stacji nie są aktualne: %2</source>
        <translation>History store unavailable since %1, the alarms on this station are not up to date: %2</translation>
    </message>
    <message>
        <source>Ta stacja zapisuje teraz historię i alarmy: %1 przestał je zapisywać</source>
        <translation>This station now records the history and alarms: %1 stopped recording them</translation>
    </message>
    <message>
        <source>Ta stacja zapisuje historię i alarmy</source>
        <translation>This station records the history and alarms</translation>
    </message>
    <message>
        <source>Historię i alarmy zapisuje %1: ta stacja pokazuje alarmy z bazy historii</source>
        <translation>The history and alarms are recorded by %1: this station shows the alarms from the history store</translation>
    </message>
    <message>
        <source>Zapisuje: %1</source>
        <translation>Recorded by: %1</translation>
    </message>
    <message>
        <source>Nikt nie zapisuje historii i alarmów: %1 przestał, a ta stacja nie może zapisywać</source>
        <translation>Nobody records the history and alarms: %1 stopped, and this station may not record</translation>
    </message>
    <message>
        <source>Historię i alarmy znów zapisuje %1</source>
        <translation>The history and alarms are recorded again by %1</translation>
    </message>
    <message>
        <source>Baza historii znów dostępna</source>
        <translation>History store available again</translation>
    </message>
    <message>
        <source>Nikt nie zapisuje historii i alarmów, a ta stacja nie może zapisywać</source>
        <translation>Nobody records the history and alarms, and this station may not record</translation>
    </message>
</context>
<context>
    <name>MonitoringCheck</name>
    <message>
        <source>Plik SQLite: podaj ścieżkę pliku historii.</source>
        <translation>SQLite file: give the path of the history file.</translation>
    </message>
    <message>
        <source>Serwer: podaj adres serwera PostgreSQL.</source>
        <translation>Server: give the PostgreSQL server&apos;s address.</translation>
    </message>
    <message>
        <source>Port: „%1” nie jest liczbą od 1 do 65535.</source>
        <translation>Port: “%1” is not a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Baza danych: podaj nazwę bazy danych.</source>
        <translation>Database: give the database&apos;s name.</translation>
    </message>
    <message>
        <source>ID: podaj ID punktu.</source>
        <translation>ID: give the point&apos;s ID.</translation>
    </message>
    <message>
        <source>ID „%1”: %2.</source>
        <translation>ID “%1”: %2.</translation>
    </message>
    <message>
        <source>ID „%1”: ma je już inny punkt.</source>
        <translation>ID “%1”: another point has it already.</translation>
    </message>
    <message>
        <source>Sterownik: wybierz sterownik.</source>
        <translation>Controller: choose a controller.</translation>
    </message>
    <message>
        <source>Zmienna: podaj zmienną sterownika.</source>
        <translation>Variable: give the controller&apos;s variable.</translation>
    </message>
    <message>
        <source>Strefa nieczułości: nie może być mniejsza niż 0.</source>
        <translation>Deadband: may not be below 0.</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa: nie może być mniejsza niż 0.</source>
        <translation>Longest gap: may not be below 0.</translation>
    </message>
    <message>
        <source>Przebieg co: co najmniej 1 s.</source>
        <translation>Pass every: at least 1 s.</translation>
    </message>
    <message>
        <source>Próbki przechowywane: co najmniej 1 dzień.</source>
        <translation>Samples kept: at least 1 day.</translation>
    </message>
    <message>
        <source>Agregaty przechowywane: co najmniej 1 dzień.</source>
        <translation>Rollups kept: at least 1 day.</translation>
    </message>
    <message>
        <source>Bardzo wysoka wartość (HH)</source>
        <translation>Very high value (HH)</translation>
    </message>
    <message>
        <source>Wysoka wartość (H)</source>
        <translation>High value (H)</translation>
    </message>
    <message>
        <source>Niska wartość (L)</source>
        <translation>Low value (L)</translation>
    </message>
    <message>
        <source>Bardzo niska wartość (LL)</source>
        <translation>Very low value (LL)</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Błąd zmiennej</source>
        <translation>Variable error</translation>
    </message>
    <message>
        <source>Granica %1 (%2) nie może być %3 granicy %4 (%5).</source>
        <translation>The limit of %1 (%2) may not be %3 the limit of %4 (%5).</translation>
    </message>
    <message>
        <source>poniżej</source>
        <translation>below</translation>
    </message>
    <message>
        <source>powyżej</source>
        <translation>above</translation>
    </message>
    <message>
        <source>Rodzaj: punkt ma już alarm „%1”.</source>
        <translation>Kind: the point has an alarm “%1” already.</translation>
    </message>
    <message>
        <source>Alarm „%1”: tylko dla zmiennych logicznych i całkowitych.</source>
        <translation>Alarm “%1”: only for logic and integer variables.</translation>
    </message>
    <message>
        <source>Alarm „%1”: histereza nie może być mniejsza niż 0.</source>
        <translation>Alarm “%1”: the hysteresis may not be below 0.</translation>
    </message>
    <message>
        <source>Alarm „%1”: zwłoka nie może być mniejsza niż 0.</source>
        <translation>Alarm “%1”: a delay may not be below 0.</translation>
    </message>
    <message>
        <source>Alarm „%1”: priorytet od 1 do 4.</source>
        <translation>Alarm “%1”: a priority from 1 to 4.</translation>
    </message>
    <message>
        <source>Alarm „%1”: podaj tekst alarmu.</source>
        <translation>Alarm “%1”: give the alarm text.</translation>
    </message>
    <message>
        <source>Alarm braku komunikacji po: co najmniej 1 s.</source>
        <translation>Communication alarm after: at least 1 s.</translation>
    </message>
    <message>
        <source>Odłożenie alarmu najwyżej na: co najmniej 1 godzinę.</source>
        <translation>Shelving an alarm at most for: at least 1 hour.</translation>
    </message>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Punkt „%1”: kolor w postaci #rrggbb.</source>
        <translation>Point “%1”: a colour as #rrggbb.</translation>
    </message>
    <message>
        <source>Punkt „%1”: grubość linii od 0,5 do 10 pikseli.</source>
        <translation>Point “%1”: a line width of 0.5 to 10 pixels.</translation>
    </message>
    <message>
        <source>Punkt „%1”: linia ciągła, kreskowana lub kropkowana.</source>
        <translation>Point “%1”: a solid, dashed or dotted line.</translation>
    </message>
    <message>
        <source>Nazwa: podaj nazwę trendu.</source>
        <translation>Name: enter the trend&apos;s name.</translation>
    </message>
    <message>
        <source>Nazwa „%1”: ma ją już inny trend.</source>
        <translation>Name “%1”: another trend has it already.</translation>
    </message>
    <message>
        <source>Trend: od 1 do %1 punktów.</source>
        <translation>Trend: 1 to %1 points.</translation>
    </message>
    <message>
        <source>Trend: każda linia musi mieć punkt.</source>
        <translation>Trend: every line needs a point.</translation>
    </message>
    <message>
        <source>Punkt „%1”: jest już w trendzie.</source>
        <translation>Point “%1”: already in the trend.</translation>
    </message>
</context>
<context>
    <name>MonitoringEdit</name>
    <message>
        <source>Monitorowanie</source>
        <translation>Monitoring</translation>
    </message>
    <message>
        <source>Punkty zapisywane w historii</source>
        <translation>Points recorded in the history</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Zmienna</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Jednostka</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Zapis</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>Strefa nieczułości</source>
        <translation>Deadband</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa [s]</source>
        <translation>Longest gap [s]</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Gdzie zapisywana jest historia</source>
        <translation>Where the history is kept</translation>
    </message>
    <message>
        <source>Baza:</source>
        <translation>Store:</translation>
    </message>
    <message>
        <source>SQLite (plik w folderze projektu)</source>
        <translation>SQLite (a file in the project folder)</translation>
    </message>
    <message>
        <source>PostgreSQL (serwer)</source>
        <translation>PostgreSQL (a server)</translation>
    </message>
    <message>
        <source>Plik:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Ścieżka względem folderu projektu.</source>
        <translation>The path relative to the project folder.</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Hasła nie zapisuje się w projekcie: klient PostgreSQL bierze je z pliku haseł (~/.pgpass, PGPASSFILE) lub ze zmiennej środowiska PGPASSWORD.</source>
        <translation>The password is never kept in the project: the PostgreSQL client takes it from its password file (~/.pgpass, PGPASSFILE) or from the environment variable PGPASSWORD.</translation>
    </message>
    <message>
        <source>Przebiegi i przechowywanie</source>
        <translation>Passes and retention</translation>
    </message>
    <message>
        <source>Przebieg co:</source>
        <translation>Pass every:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Próbki przechowywane:</source>
        <translation>Samples kept:</translation>
    </message>
    <message>
        <source> dni</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Agregaty przechowywane:</source>
        <translation>Rollups kept:</translation>
    </message>
    <message>
        <source>Minimum, maksimum i średnia z każdej minuty i godziny.</source>
        <translation>Minimum, maximum and average of each minute and hour.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>w każdym przebiegu</source>
        <translation>every pass</translation>
    </message>
    <message>
        <source>przy zmianie</source>
        <translation>on change</translation>
    </message>
    <message>
        <source>Usunąć punkt „%1” (%2, %3)? Jego zapisana historia zostaje w bazie.</source>
        <translation>Remove the point “%1” (%2, %3)? Its recorded history stays in the store.</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Alarm braku komunikacji po:</source>
        <translation>Communication alarm after:</translation>
    </message>
    <message>
        <source>Sterownik, który tyle sekund nie odpowiada, podnosi alarm braku komunikacji (priorytet 2).</source>
        <translation>A controller silent for this many seconds raises a communication alarm (priority 2).</translation>
    </message>
    <message>
        <source>Odłożenie alarmu najwyżej na:</source>
        <translation>Shelving an alarm at most for:</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Historia zaznaczonych punktów w oknie „Trendy”</source>
        <translation>History of the selected points in the &quot;Trends&quot; window</translation>
    </message>
</context>
<context>
    <name>MonitoringPointEdit</name>
    <message>
        <source>Punkt monitorowania</source>
        <translation>Monitoring point</translation>
    </message>
    <message>
        <source>ID punktu:</source>
        <translation>Point ID:</translation>
    </message>
    <message>
        <source>Sterownik:</source>
        <translation>Controller:</translation>
    </message>
    <message>
        <source>Zmienna sterownika:</source>
        <translation>Controller variable:</translation>
    </message>
    <message>
        <source>Typ zmiennej:</source>
        <translation>Variable type:</translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>Rzeczywista</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logic</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Jednostka:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Zapis:</source>
        <translation>Recorded:</translation>
    </message>
    <message>
        <source>Przy zmianie</source>
        <translation>On change</translation>
    </message>
    <message>
        <source>W każdym przebiegu</source>
        <translation>Every pass</translation>
    </message>
    <message>
        <source>Strefa nieczułości:</source>
        <translation>Deadband:</translation>
    </message>
    <message>
        <source>Zmiana wartości, od której zapisywana jest nowa próbka (dla zmiennych całkowitych i logicznych każda zmiana).</source>
        <translation>The change of value from which a new sample is recorded (any change for integer and logic variables).</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa:</source>
        <translation>Longest gap:</translation>
    </message>
    <message>
        <source>Po tylu sekundach bez zmiany próbka jest zapisywana i tak; 0: nigdy.</source>
        <translation>After this many seconds without a change a sample is recorded all the same; 0: never.</translation>
    </message>
    <message>
        <source>bez limitu</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Controller </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> does not answer</translation>
    </message>
    <message>
        <source>Strefa nieczułości: „%1” nie jest liczbą.</source>
        <translation>Deadband: “%1” is not a number.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Granica / wartość</source>
        <translation>Limit / value</translation>
    </message>
    <message>
        <source>Histereza</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <source>Zwłoki [s]</source>
        <translation>Delays [s]</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Dodaj alarm</source>
        <translation>Add alarm</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>NewProject</name>
    <message>
        <source>Nowy projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Katalog:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Utwórz</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje.</source>
        <translation>Could not create a folder with the given name; it probably exists already.</translation>
    </message>
    <message>
        <source>Nieprawidłowa nazwa katalogu: </source>
        <translation>Invalid folder name: </translation>
    </message>
</context>
<context>
    <name>PostgresProbe</name>
    <message>
        <source>zamykanie: próba połączenia z serwerem PostgreSQL przerwana</source>
        <translation>closing: the connection attempt to the PostgreSQL server was given up</translation>
    </message>
    <message>
        <source>serwer PostgreSQL %1 nie odpowiada</source>
        <translation>PostgreSQL server %1 does not answer</translation>
    </message>
</context>
<context>
    <name>ProjectEdit</name>
    <message>
        <source>Edytuj projekt</source>
        <translation>Edit project</translation>
    </message>
    <message>
        <source>Informacje o projekcie</source>
        <translation>Project information</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Wersja:</source>
        <translation>Revision:</translation>
    </message>
    <message>
        <source>Data edycji:</source>
        <translation>Edit date:</translation>
    </message>
    <message>
        <source>Konto SIP</source>
        <translation>SIP account</translation>
    </message>
    <message>
        <source>Adres serwera:</source>
        <translation>Server address:</translation>
    </message>
    <message>
        <source>Numer:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Nazwa użytkownika:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QDeclarativeZoomPan</name>
    <message>
        <source>Odswież</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Główny element schematu nie jest elementem graficznym</source>
        <translation>The root element of the scheme is not a visual item</translation>
    </message>
    <message>
        <source>Widok domyślny</source>
        <translation>Default view</translation>
    </message>
    <message>
        <source>Trend punktów schematu</source>
        <translation>Trend of the scheme&apos;s points</translation>
    </message>
</context>
<context>
    <name>QmlFileChooser</name>
    <message>
        <source>Wybierz folder</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Plik QML musi leżeć w folderze projektu: </source>
        <translation>The QML file must lie in the project folder: </translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dark red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dark green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dark blue</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Dark cyan</source>
        <translation>Dark cyan</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Dark magenta</source>
        <translation>Dark magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Dark yellow</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Dark gray</source>
        <translation>Dark gray</translation>
    </message>
    <message>
        <source>Light gray</source>
        <translation>Light gray</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>jest dowiązaniem, nie zostanie odczytany</source>
        <translation>is a link and will not be read</translation>
    </message>
    <message>
        <source>nie jest zwykłym plikiem, nie zostanie odczytany</source>
        <translation>is not a regular file and will not be read</translation>
    </message>
</context>
<context>
    <name>SchemeFile</name>
    <message>
        <source>nazwa jest zajęta przez plik projektu</source>
        <translation>the name is taken by a project file</translation>
    </message>
</context>
<context>
    <name>SchemeIdCheck</name>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nieprawidłowe ID schematu „%1”: %2.</source>
        <translation>Invalid scheme ID &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SchemePreview</name>
    <message>
        <source>Podgląd schematu</source>
        <translation>Scheme preview</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Wygląd</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Aktualizacje</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Dźwięk alarmów</source>
        <translation>Alarm sound</translation>
    </message>
    <message>
        <source>Ton powtarzany, dopóki alarm o priorytecie 1 lub 2 czeka na potwierdzenie</source>
        <translation>A tone repeated while an alarm of priority 1 or 2 awaits acknowledgement</translation>
    </message>
    <message>
        <source>Wylogowanie po bezczynności:</source>
        <translation>Log out after idle time:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Zalogowany użytkownik zostaje wylogowany, gdy przez tyle minut nie użyje klawiatury ani myszy</source>
        <translation>The user logged in is logged out after this many minutes without using the keyboard or the mouse</translation>
    </message>
    <message>
        <source>Użytkownicy…</source>
        <translation>Users…</translation>
    </message>
    <message>
        <source>Użytkownicy projektu i ich role</source>
        <translation>The project&apos;s users and their roles</translation>
    </message>
    <message>
        <source>Ta stacja może zapisywać historię i alarmy</source>
        <translation>This station may record the history and alarms</translation>
    </message>
    <message>
        <source>Gdy żaden rejestrator nie zapisuje bazy historii projektu (albo przestał), ta stacja sama odpytuje sterowniki, ocenia alarmy i zapisuje je w bazie</source>
        <translation>When no recorder records the project&apos;s history store (or one stopped), this station polls the controllers, evaluates the alarms and records them in the store itself</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>nie udało się przenieść nieczytelnego pliku %1</source>
        <translation>could not move the unreadable file %1</translation>
    </message>
    <message>
        <source>nie udało się przenieść pliku %1</source>
        <translation>could not move the file %1</translation>
    </message>
</context>
<context>
    <name>SqliteStatement</name>
    <message>
        <source>brak połączenia z plikiem historii</source>
        <translation>no connection to the history file</translation>
    </message>
</context>
<context>
    <name>StagedPasses</name>
    <message>
        <source>uszkodzony zapis ostatnich przebiegów w historii</source>
        <translation>the record of the latest passes in the history is damaged</translation>
    </message>
</context>
<context>
    <name>StaleStrip</name>
    <message>
        <source>ostatnia poprawna odpowiedź: </source>
        <translation>last good answer: </translation>
    </message>
    <message>
        <source>dotąd bez odpowiedzi</source>
        <translation>no answer so far</translation>
    </message>
    <message>
        <source>Sterownik nie odpowiada: </source>
        <translation>Controller not answering: </translation>
    </message>
    <message>
        <source>Sterownik odpowiada niepoprawnie: </source>
        <translation>Controller answering with faulty replies: </translation>
    </message>
    <message>
        <source>Sterownik odpowiada bez wartości: </source>
        <translation>Controller answering without values: </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Język interfejsu: polski</source>
        <translation>Interface language: English</translation>
    </message>
</context>
<context>
    <name>StoreLease</name>
    <message>
        <source>%1, proces %2</source>
        <translation>%1, process %2</translation>
    </message>
</context>
<context>
    <name>StoreRead</name>
    <message>
        <source>historia niedostępna: %1</source>
        <translation>history not available: %1</translation>
    </message>
    <message>
        <source>nie można zapisać pliku %1: %2</source>
        <translation>cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>TeskDesigner</name>
    <message>
        <source>Pasek narzędzi</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>Obiekty</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Nowy plik</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>Otwórz plik</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Zapisz plik</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Cofnij</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Uruchom</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku: </source>
        <translation>Cannot open the file: </translation>
    </message>
    <message>
        <source>Edyor graficzny</source>
        <translation>Graphic editor</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Plik %1 zawiera niezapisane zmiany. Czy zapisać je teraz?</source>
        <translation>The file %1 has unsaved changes. Save them now?</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku: </source>
        <translation>Could not save the file: </translation>
    </message>
    <message>
        <source>Zapisano: </source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>Edytor plików QML schematów.

Ctrl+N nowy plik, Ctrl+O otwórz, Ctrl+S zapisz,
Ctrl+Z cofnij, Ctrl+Y powtórz, F5 podgląd schematu.
Podgląd pokazuje błędy QML z numerami wierszy.</source>
        <translation>Editor of the schemes&apos; QML files.

Ctrl+N new file, Ctrl+O open, Ctrl+S save,
Ctrl+Z undo, Ctrl+Y redo, F5 scheme preview.
The preview shows QML errors with their line numbers.</translation>
    </message>
    <message>
        <source>Kodowanie pliku</source>
        <translation>File encoding</translation>
    </message>
    <message>
        <source>Plik %1 nie jest zapisany w UTF-8.
Wybierz kodowanie, w którym zostanie otwarty i zapisany:</source>
        <translation>The file %1 is not in UTF-8.
Choose the encoding to open and save it in:</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>tekst zawiera znaki, których nie da się zapisać w kodowaniu %1; plik nie został zapisany</source>
        <translation>the text holds characters that cannot be written in the encoding %1; the file was not saved</translation>
    </message>
</context>
<context>
    <name>TrendPalette</name>
    <message>
        <source>niebieski</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>czerwony</source>
        <translation>red</translation>
    </message>
    <message>
        <source>zielony</source>
        <translation>green</translation>
    </message>
    <message>
        <source>pomarańczowy</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>fioletowy</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>brązowy</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>różowy</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>turkusowy</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>oliwkowy</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>szary</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>granatowy</source>
        <translation>navy</translation>
    </message>
    <message>
        <source>ciemnozielony</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>bordowy</source>
        <translation>maroon</translation>
    </message>
    <message>
        <source>śliwkowy</source>
        <translation>plum</translation>
    </message>
    <message>
        <source>błękitny</source>
        <translation>sky blue</translation>
    </message>
    <message>
        <source>ceglasty</source>
        <translation>brick red</translation>
    </message>
</context>
<context>
    <name>TrendPenTable</name>
    <message>
        <source>wł.</source>
        <translation>on</translation>
    </message>
    <message>
        <source>wył.</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1 … %2</source>
        <translation>%1 … %2</translation>
    </message>
    <message>
        <source>ciągła</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>kreskowa</source>
        <translation>dashed</translation>
    </message>
    <message>
        <source>kropkowa</source>
        <translation>dotted</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trendy</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>24 h</source>
        <translation>24 h</translation>
    </message>
    <message>
        <source>7 dni</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 dni</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>1 rok</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Wstecz</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Poprzedni widok (Backspace)</source>
        <translation>Previous view (Backspace)</translation>
    </message>
    <message>
        <source>Na żywo</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Koniec zakresu podąża za bieżącym czasem</source>
        <translation>The end of the range follows the present</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Jednostka</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Grubość</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Styl</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Wartość przy kursorze</source>
        <translation>Value at the cursor</translation>
    </message>
    <message>
        <source>Dodaj punkt</source>
        <translation>Add point</translation>
    </message>
    <message>
        <source>Usuń punkt</source>
        <translation>Remove point</translation>
    </message>
    <message>
        <source>Zestaw:</source>
        <translation>Set:</translation>
    </message>
    <message>
        <source>Zapisz zestaw…</source>
        <translation>Save set…</translation>
    </message>
    <message>
        <source>Usuń zestaw</source>
        <translation>Remove set</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Zapisz PNG…</source>
        <translation>Save PNG…</translation>
    </message>
    <message>
        <source>Drukuj…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (nie jest już monitorowany)</source>
        <translation>%1 (no longer monitored)</translation>
    </message>
    <message>
        <source>Dodaj punkty, aby narysować ich historię.</source>
        <translation>Add points to draw their history.</translation>
    </message>
    <message>
        <source>Trend niedostępny: %1</source>
        <translation>Trend unavailable: %1</translation>
    </message>
    <message>
        <source>Brak zapisanych wartości w tym zakresie.</source>
        <translation>No values recorded in this range.</translation>
    </message>
    <message>
        <source>Koniec zakresu musi być co najmniej minutę po jego początku.</source>
        <translation>The end of the range must be at least a minute after its start.</translation>
    </message>
    <message>
        <source>Brak punktów monitorowania</source>
        <translation>No monitoring points</translation>
    </message>
    <message>
        <source>— wybierz —</source>
        <translation>— choose —</translation>
    </message>
    <message>
        <source>Zestaw bez punktów nie zostanie zapisany.</source>
        <translation>A set without points is not saved.</translation>
    </message>
    <message>
        <source>Zapisz zestaw</source>
        <translation>Save set</translation>
    </message>
    <message>
        <source>Nazwa zestawu:</source>
        <translation>Name of the set:</translation>
    </message>
    <message>
        <source>Surowe próbki…</source>
        <translation>Raw samples…</translation>
    </message>
    <message>
        <source>Jak na wykresie (min/max na krok)…</source>
        <translation>As drawn (min/max per step)…</translation>
    </message>
    <message>
        <source>Eksport trendu</source>
        <translation>Export trend</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Zapisano wierszy: %1 do pliku %2</source>
        <translation>Wrote %1 rows to %2</translation>
    </message>
    <message>
        <source>Eksport trendu nieudany: %1</source>
        <translation>Trend export failed: %1</translation>
    </message>
    <message>
        <source>Zapisz obraz trendu</source>
        <translation>Save trend image</translation>
    </message>
    <message>
        <source>Obrazy PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Zapisano obraz %1</source>
        <translation>Saved image %1</translation>
    </message>
    <message>
        <source>Nie można zapisać obrazu %1: %2</source>
        <translation>Cannot save image %1: %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>UnreadableCopy</name>
    <message>
        <source>nie udało się zachować kopii nieczytelnego pliku: %1</source>
        <translation>the copy of the unreadable file could not be kept: %1</translation>
    </message>
    <message>
        <source>wszystkie nazwy kopii są zajęte</source>
        <translation>every name for a copy is taken</translation>
    </message>
</context>
<context>
    <name>UserActions</name>
    <message>
        <source>Zapis wartości do sterownika</source>
        <translation>Writing a value to a controller</translation>
    </message>
    <message>
        <source>Potwierdzanie alarmów</source>
        <translation>Acknowledging alarms</translation>
    </message>
    <message>
        <source>Odkładanie alarmów</source>
        <translation>Shelving alarms</translation>
    </message>
    <message>
        <source>Dodawanie komentarzy</source>
        <translation>Adding comments</translation>
    </message>
    <message>
        <source>Zmiana listy sterowników</source>
        <translation>Changing the controller list</translation>
    </message>
    <message>
        <source>Zapis wartości z edytora sterownika</source>
        <translation>Writing a value from the device editor</translation>
    </message>
    <message>
        <source>Zmiana drzewa elementów</source>
        <translation>Changing the menu tree</translation>
    </message>
    <message>
        <source>Zmiana schematu</source>
        <translation>Changing a scheme</translation>
    </message>
    <message>
        <source>Edycja pliku QML</source>
        <translation>Editing a QML file</translation>
    </message>
    <message>
        <source>Zmiana monitorowania</source>
        <translation>Changing the monitoring</translation>
    </message>
    <message>
        <source>Zapis projektu</source>
        <translation>Saving the project</translation>
    </message>
    <message>
        <source>Wyłączanie alarmów z obsługi i włączanie ich z powrotem</source>
        <translation>Taking alarms out of service and back in</translation>
    </message>
    <message>
        <source>Zarządzanie użytkownikami</source>
        <translation>Managing users</translation>
    </message>
    <message>
        <source>%1 wymaga roli „%2”.</source>
        <translation>%1 needs the role “%2”.</translation>
    </message>
    <message>
        <source>%1 wymaga roli „%2” lub wyższej.</source>
        <translation>%1 needs the role “%2” or a higher one.</translation>
    </message>
</context>
<context>
    <name>UserEditDialog</name>
    <message>
        <source>Nazwa (login):</source>
        <translation>Name (login):</translation>
    </message>
    <message>
        <source>Imię i nazwisko:</source>
        <translation>Full name:</translation>
    </message>
    <message>
        <source>Rola:</source>
        <translation>Role:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Powtórz hasło:</source>
        <translation>Repeat the password:</translation>
    </message>
    <message>
        <source>Nowy użytkownik</source>
        <translation>New user</translation>
    </message>
    <message>
        <source>Użytkownik %1</source>
        <translation>User %1</translation>
    </message>
    <message>
        <source>Pierwszy użytkownik musi być administratorem: tylko on może zarządzać użytkownikami.</source>
        <translation>The first user must be an administrator: only an administrator can manage users.</translation>
    </message>
    <message>
        <source>Żaden administrator nie może się zalogować: nowy użytkownik musi być administratorem.</source>
        <translation>No administrator can log in: the new user must be an administrator.</translation>
    </message>
    <message>
        <source>Zapisany skrót hasła jest uszkodzony: nadaj nowe hasło, aby można było się zalogować.</source>
        <translation>The stored password hash is damaged: give a new password so that the user can log in.</translation>
    </message>
    <message>
        <source>Pozostaw pola hasła puste, aby go nie zmieniać.</source>
        <translation>Leave the password fields empty to keep the password.</translation>
    </message>
    <message>
        <source>%1 (nieznana)</source>
        <translation>%1 (unknown)</translation>
    </message>
    <message>
        <source>Nazwa użytkownika nie może być pusta ani zawierać spacji.</source>
        <translation>A user name can be neither empty nor contain spaces.</translation>
    </message>
    <message>
        <source>Użytkownik o nazwie %1 już jest.</source>
        <translation>There is already a user named %1.</translation>
    </message>
    <message>
        <source>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami. Najpierw nadaj tę rolę komuś innemu.</source>
        <translation>%1 is the last administrator: without one nobody could manage users. Give someone else this role first.</translation>
    </message>
    <message>
        <source>Hasła się różnią.</source>
        <translation>The passwords differ.</translation>
    </message>
    <message>
        <source>Hasło musi mieć co najmniej %1 znaków.</source>
        <translation>A password must have at least %1 characters.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>UserRoles</name>
    <message>
        <source>obserwator</source>
        <translation>viewer</translation>
    </message>
    <message>
        <source>operator</source>
        <translation>operator</translation>
    </message>
    <message>
        <source>inżynier</source>
        <translation>engineer</translation>
    </message>
    <message>
        <source>administrator</source>
        <translation>administrator</translation>
    </message>
</context>
<context>
    <name>UserSession</name>
    <message>
        <source>Zalogowany użytkownik %1 ma rolę „%2”.</source>
        <translation>The user logged in, %1, has the role “%2”.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku użytkowników: nikt nie może się zalogować.</source>
        <translation>The users file could not be read: nobody can log in.</translation>
    </message>
    <message>
        <source>Nikt nie jest zalogowany.</source>
        <translation>Nobody is logged in.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Użytkownicy</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Imię i nazwisko</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Rola</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Dodaj…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Edytuj…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>bez nazwy</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>nieznana rola</source>
        <translation>unknown role</translation>
    </message>
    <message>
        <source>uszkodzony skrót hasła</source>
        <translation>damaged password hash</translation>
    </message>
    <message>
        <source>powtórzona nazwa</source>
        <translation>repeated name</translation>
    </message>
    <message>
        <source>Wcześniejszy wpis ma tę nazwę: to na niego się loguje.</source>
        <translation>An earlier entry has this name: logins use that one.</translation>
    </message>
    <message>
        <source>Wpis jest uszkodzony: nie można się na niego zalogować.</source>
        <translation>The entry is damaged: it cannot be logged in with.</translation>
    </message>
    <message>
        <source>Nie ma użytkowników: każdy może wszystko, bez logowania. Pierwszy dodany użytkownik będzie administratorem.</source>
        <translation>There are no users: anyone may do anything without logging in. The first user added will be an administrator.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami.</source>
        <translation>%1 is the last administrator: without one nobody could manage users.</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Usunąć użytkownika %1?</source>
        <translation>Remove user %1?</translation>
    </message>
</context>
<context>
    <name>VariableCatalogRequest</name>
    <message>
        <source>Odczytuję zmienne sterownika </source>
        <translation>Reading the variables of controller </translation>
    </message>
</context>
<context>
    <name>XmlSave</name>
    <message>
        <source>nie jest zwykłym plikiem, nie zostanie nadpisany</source>
        <translation>is not a regular file and will not be replaced</translation>
    </message>
</context>
<context>
    <name>deviceAddEdit</name>
    <message>
        <source>Dodaj / Edytuj Urządzenie</source>
        <translation>Add / Edit Device</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Adres sterownika: </source>
        <translation>Controller address: </translation>
    </message>
    <message>
        <source>Opis: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Adres MAC: </source>
        <translation>MAC address: </translation>
    </message>
    <message>
        <source>Numer seryjny: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <source>Wersja oprogramowania: </source>
        <translation>Firmware version: </translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Wykres</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Odczytuje dane: </source>
        <translation>Reading data: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Odczytuje dane...</source>
        <translation>Reading data...</translation>
    </message>
    <message>
        <source>Brak połączenia ze sterownikiem</source>
        <translation>No connection with the controller</translation>
    </message>
    <message>
        <source>Nowa wartośc: </source>
        <translation>New value: </translation>
    </message>
    <message>
        <source>Podaj nową wartość: </source>
        <translation>Enter the new value: </translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Wszystkie pola muszą być wypełnione</source>
        <translation>All fields must be filled in</translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation>Not permitted</translation>
    </message>
</context>
<context>
    <name>deviceManagement</name>
    <message>
        <source>Zarządzanie sterownikami</source>
        <translation>Controller management</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Adres sterownika</source>
        <translation>Controller address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Dodaj sterownik</source>
        <translation>Add controller</translation>
    </message>
    <message>
        <source>Usuń sterownik</source>
        <translation>Remove controller</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Napewno chcesz usunąć sterownik z listy ?</source>
        <translation>Do you really want to remove the controller from the list?</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Znaleziono dwa elementy z tym samym ID</source>
        <translation>Two elements with the same ID were found</translation>
    </message>
</context>
<context>
    <name>listItemAddEdit</name>
    <message>
        <source>Dodaj / edytuj wartość</source>
        <translation>Add / edit value</translation>
    </message>
    <message>
        <source>Wartość: </source>
        <translation>Value: </translation>
    </message>
    <message>
        <source>Opis: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Podana wartość została już przypisana, proszę wprowadzić inną wartość.</source>
        <translation>This value is already assigned; please enter another value.</translation>
    </message>
</context>
<context>
    <name>schemeAddEdit</name>
    <message>
        <source>bez przerwy</source>
        <translation>back to back</translation>
    </message>
    <message>
        <source>Dodaj / Edytuj Schemat</source>
        <translation>Add / Edit Scheme</translation>
    </message>
    <message>
        <source>Typ obiektu: </source>
        <translation>Object type: </translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>Nazwa: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Plik QML: </source>
        <translation>QML file: </translation>
    </message>
    <message>
        <source>Okres aktualizacji: </source>
        <translation>Update period: </translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Element o podanej nazwie już istnieje</source>
        <translation>An element with this name already exists</translation>
    </message>
</context>
<context>
    <name>schemeVariables</name>
    <message>
        <source>bez przerwy</source>
        <translation>back to back</translation>
    </message>
    <message>
        <source>Edycja schematu</source>
        <translation>Scheme editing</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Typ obiektu: </source>
        <translation>Object type: </translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>Nazwa: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Plik QML: </source>
        <translation>QML file: </translation>
    </message>
    <message>
        <source>Okres aktualizacji: </source>
        <translation>Update period: </translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Odczyt</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Nazwa w sterowniku</source>
        <translation>Name in the controller</translation>
    </message>
    <message>
        <source>Nazwa w schemacie</source>
        <translation>Name in the scheme</translation>
    </message>
    <message>
        <source>Id sterownika</source>
        <translation>Controller ID</translation>
    </message>
    <message>
        <source>Zapis</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>schemesManagement</name>
    <message>
        <source>Drzewo elementów</source>
        <translation>Element tree</translation>
    </message>
    <message>
        <source>Dodaj grupę lub schemat</source>
        <translation>Add a group or a scheme</translation>
    </message>
    <message>
        <source>Usuń z poddrzewem</source>
        <translation>Remove with everything under it</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Znaleziono dwa elementy z tym samym ID</source>
        <translation>Two elements with the same ID were found</translation>
    </message>
</context>
<context>
    <name>setValue</name>
    <message>
        <source>Ustaw wartość: </source>
        <translation>Set value: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sterownik zapisuje tylko znaki ISO 8859-1; inne zamieniłby na „?”. Nie można wysłać wartości pola </source>
        <translation>The controller stores only ISO 8859-1 characters and would turn others into &quot;?&quot;. Cannot send the value of the field </translation>
    </message>
    <message>
        <source> (nie odczytano)</source>
        <translation> (not read)</translation>
    </message>
</context>
<context>
    <name>variableAddEdit</name>
    <message>
        <source>Dodaj / Edytuj Zmienną</source>
        <translation>Add / Edit Variable</translation>
    </message>
    <message>
        <source>ID sterownika: </source>
        <translation>Controller ID: </translation>
    </message>
    <message>
        <source>Nazwa w sterowniku: </source>
        <translation>Name in the controller: </translation>
    </message>
    <message>
        <source>Nazwa w schemacie: </source>
        <translation>Name in the scheme: </translation>
    </message>
    <message>
        <source>Typ zmiennej: </source>
        <translation>Variable type: </translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>Rrzeczywista</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logical</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Controller </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> does not respond</translation>
    </message>
</context>
</TS>
