<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="pl_PL">
<context>
    <name>AddPlotDialog</name>
    <message>
        <source>Dodaj wartość do wykresu :</source>
        <translation>Dodaj wartość do wykresu :</translation>
    </message>
    <message>
        <source>Nazwa parametru: </source>
        <translation>Nazwa parametru: </translation>
    </message>
    <message>
        <source>Rodzaj linii:</source>
        <translation>Rodzaj linii:</translation>
    </message>
    <message>
        <source>Ciągła</source>
        <translation>Ciągła</translation>
    </message>
    <message>
        <source>Kreskowana</source>
        <translation>Kreskowana</translation>
    </message>
    <message>
        <source>Kropka kreska</source>
        <translation>Kropka kreska</translation>
    </message>
    <message>
        <source>Interpolacja:</source>
        <translation>Interpolacja:</translation>
    </message>
    <message>
        <source>Brak</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Grubość linii: </source>
        <translation>Grubość linii: </translation>
    </message>
    <message>
        <source>Wybierz kolor: </source>
        <translation>Wybierz kolor: </translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>AlarmAddEdit</name>
    <message>
        <source>Alarm punktu</source>
        <translation>Alarm punktu</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Rodzaj:</translation>
    </message>
    <message>
        <source>Granica:</source>
        <translation>Granica:</translation>
    </message>
    <message>
        <source>Alarm wysokiej wartości powstaje powyżej granicy, niskiej poniżej niej.</source>
        <translation>Alarm wysokiej wartości powstaje powyżej granicy, niskiej poniżej niej.</translation>
    </message>
    <message>
        <source>Histereza:</source>
        <translation>Histereza:</translation>
    </message>
    <message>
        <source>Alarm wysokiej wartości gaśnie dopiero poniżej granicy pomniejszonej o histerezę (niskiej: powyżej granicy powiększonej o nią).</source>
        <translation>Alarm wysokiej wartości gaśnie dopiero poniżej granicy pomniejszonej o histerezę (niskiej: powyżej granicy powiększonej o nią).</translation>
    </message>
    <message>
        <source>Wartość alarmowa:</source>
        <translation>Wartość alarmowa:</translation>
    </message>
    <message>
        <source>Alarm trwa, dopóki zmienna ma tę wartość (logiczna: 0 lub 1).</source>
        <translation>Alarm trwa, dopóki zmienna ma tę wartość (logiczna: 0 lub 1).</translation>
    </message>
    <message>
        <source>Zwłoka wystąpienia:</source>
        <translation>Zwłoka wystąpienia:</translation>
    </message>
    <message>
        <source>Tyle sekund warunek musi trwać, zanim alarm powstanie.</source>
        <translation>Tyle sekund warunek musi trwać, zanim alarm powstanie.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zwłoka ustąpienia:</source>
        <translation>Zwłoka ustąpienia:</translation>
    </message>
    <message>
        <source>Tyle sekund warunku musi nie być, zanim alarm ustąpi.</source>
        <translation>Tyle sekund warunku musi nie być, zanim alarm ustąpi.</translation>
    </message>
    <message>
        <source>Priorytet:</source>
        <translation>Priorytet:</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – krytyczny</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – wysoki</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – średni</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – niski</translation>
    </message>
    <message>
        <source>Tekst alarmu:</source>
        <translation>Tekst alarmu:</translation>
    </message>
    <message>
        <source>np. Przegrzanie kotła 1</source>
        <translation>np. Przegrzanie kotła 1</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Granica</source>
        <translation>Granica</translation>
    </message>
    <message>
        <source>Histereza</source>
        <translation>Histereza</translation>
    </message>
    <message>
        <source>Wartość alarmowa</source>
        <translation>Wartość alarmowa</translation>
    </message>
    <message>
        <source>%1: „%2” nie jest liczbą.</source>
        <translation>%1: „%2” nie jest liczbą.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>AlarmAnalysisDialog</name>
    <message>
        <source>Analiza alarmów</source>
        <translation>Analiza alarmów</translation>
    </message>
    <message>
        <source>Okres (czas lokalny)</source>
        <translation>Okres (czas lokalny)</translation>
    </message>
    <message>
        <source>Ostatnie 24 godziny</source>
        <translation>Ostatnie 24 godziny</translation>
    </message>
    <message>
        <source>Ostatnie 7 dni</source>
        <translation>Ostatnie 7 dni</translation>
    </message>
    <message>
        <source>Ostatnie 30 dni</source>
        <translation>Ostatnie 30 dni</translation>
    </message>
    <message>
        <source>Ostatni rok</source>
        <translation>Ostatni rok</translation>
    </message>
    <message>
        <source>Wybrany zakres</source>
        <translation>Wybrany zakres</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>Początek zakresu musi być wcześniejszy niż jego koniec.</translation>
    </message>
    <message>
        <source>Liczę...</source>
        <translation>Liczę...</translation>
    </message>
    <message>
        <source>Analiza alarmów niedostępna: %1</source>
        <translation>Analiza alarmów niedostępna: %1</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>Brak komunikacji ze sterownikiem %1</source>
        <translation>Brak komunikacji ze sterownikiem %1</translation>
    </message>
</context>
<context>
    <name>AlarmHistoryDialog</name>
    <message>
        <source>Historia alarmów</source>
        <translation>Historia alarmów</translation>
    </message>
    <message>
        <source>Zakres (czas lokalny) i filtr</source>
        <translation>Zakres (czas lokalny) i filtr</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Punkt:</source>
        <translation>Punkt:</translation>
    </message>
    <message>
        <source>Priorytet:</source>
        <translation>Priorytet:</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – krytyczny</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – wysoki</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – średni</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – niski</translation>
    </message>
    <message>
        <source>Zdarzenie:</source>
        <translation>Zdarzenie:</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation>Eksport CSV…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 — komunikacja</source>
        <translation>%1 — komunikacja</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>Początek zakresu musi być wcześniejszy niż jego koniec.</translation>
    </message>
    <message>
        <source>Czytam dziennik alarmów...</source>
        <translation>Czytam dziennik alarmów...</translation>
    </message>
    <message>
        <source>Historia alarmów niedostępna: %1</source>
        <translation>Historia alarmów niedostępna: %1</translation>
    </message>
    <message>
        <source>Pokazano %1 najnowszych zdarzeń zakresu; starsze są w eksporcie.</source>
        <translation>Pokazano %1 najnowszych zdarzeń zakresu; starsze są w eksporcie.</translation>
    </message>
    <message>
        <source>Zdarzeń: %1</source>
        <translation>Zdarzeń: %1</translation>
    </message>
    <message>
        <source>alarmy.csv</source>
        <translation>alarmy.csv</translation>
    </message>
    <message>
        <source>Eksport historii alarmów</source>
        <translation>Eksport historii alarmów</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation>Eksportuję do pliku %1...</translation>
    </message>
    <message>
        <source>Eksport historii alarmów: zapisano wierszy: %1 do pliku %2</source>
        <translation>Eksport historii alarmów: zapisano wierszy: %1 do pliku %2</translation>
    </message>
    <message>
        <source>Eksport historii alarmów nieudany: %1</source>
        <translation>Eksport historii alarmów nieudany: %1</translation>
    </message>
</context>
<context>
    <name>AlarmIndicator</name>
    <message>
        <source>Alarmy: %1 niepotwierdzone, %2 aktywne</source>
        <translation>Alarmy: %1 niepotwierdzone, %2 aktywne</translation>
    </message>
    <message>
        <source>Brak alarmów</source>
        <translation>Brak alarmów</translation>
    </message>
    <message>
        <source>Najwyższy priorytet: %1</source>
        <translation>Najwyższy priorytet: %1</translation>
    </message>
</context>
<context>
    <name>AlarmJournalModel</name>
    <message>
        <source>wystąpił</source>
        <translation>wystąpił</translation>
    </message>
    <message>
        <source>ustąpił</source>
        <translation>ustąpił</translation>
    </message>
    <message>
        <source>potwierdzony</source>
        <translation>potwierdzony</translation>
    </message>
    <message>
        <source>odłożony</source>
        <translation>odłożony</translation>
    </message>
    <message>
        <source>przywrócony</source>
        <translation>przywrócony</translation>
    </message>
    <message>
        <source>wyłączony z obsługi</source>
        <translation>wyłączony z obsługi</translation>
    </message>
    <message>
        <source>włączony do obsługi</source>
        <translation>włączony do obsługi</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Użytkownik</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Komentarz</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>AlarmPanel</name>
    <message>
        <source>Priorytet:</source>
        <translation>Priorytet:</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>1 – krytyczny</source>
        <translation>1 – krytyczny</translation>
    </message>
    <message>
        <source>2 – wysoki</source>
        <translation>2 – wysoki</translation>
    </message>
    <message>
        <source>3 – średni</source>
        <translation>3 – średni</translation>
    </message>
    <message>
        <source>4 – niski</source>
        <translation>4 – niski</translation>
    </message>
    <message>
        <source>Szukaj w punkcie, opisie, tekście</source>
        <translation>Szukaj w punkcie, opisie, tekście</translation>
    </message>
    <message>
        <source>Odłożone i wyłączone z obsługi</source>
        <translation>Odłożone i wyłączone z obsługi</translation>
    </message>
    <message>
        <source>Wycisz</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Komentarz do potwierdzenia (nieobowiązkowy)</source>
        <translation>Komentarz do potwierdzenia (nieobowiązkowy)</translation>
    </message>
    <message>
        <source>Potwierdź zaznaczone</source>
        <translation>Potwierdź zaznaczone</translation>
    </message>
    <message>
        <source>Potwierdź wszystkie widoczne</source>
        <translation>Potwierdź wszystkie widoczne</translation>
    </message>
    <message>
        <source>Odłóż…</source>
        <translation>Odłóż…</translation>
    </message>
    <message>
        <source>Przywróć</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Wyłącz z obsługi…</source>
        <translation>Wyłącz z obsługi…</translation>
    </message>
    <message>
        <source>Włącz do obsługi</source>
        <translation>Włącz do obsługi</translation>
    </message>
    <message>
        <source>i %1 innych</source>
        <translation>i %1 innych</translation>
    </message>
    <message>
        <source>Odłóż alarmy</source>
        <translation>Odłóż alarmy</translation>
    </message>
    <message>
        <source>Wyłącz alarmy z obsługi</source>
        <translation>Wyłącz alarmy z obsługi</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Ustąpił, niepotwierdzony</source>
        <translation>Ustąpił, niepotwierdzony</translation>
    </message>
    <message>
        <source>, odłożony do %1</source>
        <translation>, odłożony do %1</translation>
    </message>
    <message>
        <source>Historia alarmów</source>
        <translation>Historia alarmów</translation>
    </message>
    <message>
        <source>Analiza alarmów</source>
        <translation>Analiza alarmów</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Historia punktu zaznaczonego alarmu wokół chwili jego wystąpienia</source>
        <translation>Historia punktu zaznaczonego alarmu wokół chwili jego wystąpienia</translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmReasonDialog</name>
    <message>
        <source>Na czas:</source>
        <translation>Na czas:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Powód:</source>
        <translation>Powód:</translation>
    </message>
    <message>
        <source>Najdłużej %1 min</source>
        <translation>Najdłużej %1 min</translation>
    </message>
    <message>
        <source>Podaj powód.</source>
        <translation>Podaj powód.</translation>
    </message>
</context>
<context>
    <name>AlarmReportHtml</name>
    <message>
        <source>w normie</source>
        <translation>w normie</translation>
    </message>
    <message>
        <source>ponad cel</source>
        <translation>ponad cel</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Obciążenie operatora</source>
        <translation>Obciążenie operatora</translation>
    </message>
    <message>
        <source>Średnio na 10 minut</source>
        <translation>Średnio na 10 minut</translation>
    </message>
    <message>
        <source>cel: najwyżej 1</source>
        <translation>cel: najwyżej 1</translation>
    </message>
    <message>
        <source>Najwięcej w 10 minutach</source>
        <translation>Najwięcej w 10 minutach</translation>
    </message>
    <message>
        <source>%1 (od %2)</source>
        <translation>%1 (od %2)</translation>
    </message>
    <message>
        <source>cel: poniżej 10</source>
        <translation>cel: poniżej 10</translation>
    </message>
    <message>
        <source>Czas w zalewie alarmów (10 i więcej na 10 minut)</source>
        <translation>Czas w zalewie alarmów (10 i więcej na 10 minut)</translation>
    </message>
    <message>
        <source>cel: poniżej 1 %</source>
        <translation>cel: poniżej 1 %</translation>
    </message>
    <message>
        <source>Priorytety</source>
        <translation>Priorytety</translation>
    </message>
    <message>
        <source>Niski (4): %1</source>
        <translation>Niski (4): %1</translation>
    </message>
    <message>
        <source>cel: około 80 %</source>
        <translation>cel: około 80 %</translation>
    </message>
    <message>
        <source>Średni (3): %1</source>
        <translation>Średni (3): %1</translation>
    </message>
    <message>
        <source>cel: około 15 %</source>
        <translation>cel: około 15 %</translation>
    </message>
    <message>
        <source>Wysoki i krytyczny (1–2): %1</source>
        <translation>Wysoki i krytyczny (1–2): %1</translation>
    </message>
    <message>
        <source>cel: około 5 %</source>
        <translation>cel: około 5 %</translation>
    </message>
    <message>
        <source>Alarmy trwające ponad 24 godziny</source>
        <translation>Alarmy trwające ponad 24 godziny</translation>
    </message>
    <message>
        <source>Brak.</source>
        <translation>Brak.</translation>
    </message>
    <message>
        <source>Wystąpił</source>
        <translation>Wystąpił</translation>
    </message>
    <message>
        <source>Odłożone i wyłączone z obsługi</source>
        <translation>Odłożone i wyłączone z obsługi</translation>
    </message>
    <message>
        <source>W zakresie: odłożeń %1, wyłączeń z obsługi %2.</source>
        <translation>W zakresie: odłożeń %1, wyłączeń z obsługi %2.</translation>
    </message>
    <message>
        <source>%1 (odłożony do %2)</source>
        <translation>%1 (odłożony do %2)</translation>
    </message>
    <message>
        <source>%1 (wyłączony z obsługi)</source>
        <translation>%1 (wyłączony z obsługi)</translation>
    </message>
    <message>
        <source>Teraz:</source>
        <translation>Teraz:</translation>
    </message>
    <message>
        <source>żaden.</source>
        <translation>żaden.</translation>
    </message>
    <message>
        <source>Od %1 do %2: alarmów %3 w %4 okresach 10-minutowych.</source>
        <translation>Od %1 do %2: alarmów %3 w %4 okresach 10-minutowych.</translation>
    </message>
    <message>
        <source>Dziesięć najczęstszych alarmów</source>
        <translation>Dziesięć najczęstszych alarmów</translation>
    </message>
    <message>
        <source>Wystąpień</source>
        <translation>Wystąpień</translation>
    </message>
    <message>
        <source>Brak alarmów w zakresie.</source>
        <translation>Brak alarmów w zakresie.</translation>
    </message>
    <message>
        <source>Alarmy migające (3 i więcej w ciągu minuty)</source>
        <translation>Alarmy migające (3 i więcej w ciągu minuty)</translation>
    </message>
    <message>
        <source>Powtórzeń</source>
        <translation>Powtórzeń</translation>
    </message>
</context>
<context>
    <name>AlarmTableModel</name>
    <message>
        <source>brak odczytu</source>
        <translation>brak odczytu</translation>
    </message>
    <message>
        <source>Wyłączony z obsługi</source>
        <translation>Wyłączony z obsługi</translation>
    </message>
    <message>
        <source>Aktywny, niepotwierdzony</source>
        <translation>Aktywny, niepotwierdzony</translation>
    </message>
    <message>
        <source>Aktywny, potwierdzony</source>
        <translation>Aktywny, potwierdzony</translation>
    </message>
    <message>
        <source>Ustąpił, niepotwierdzony</source>
        <translation>Ustąpił, niepotwierdzony</translation>
    </message>
    <message>
        <source>Ustąpił</source>
        <translation>Ustąpił</translation>
    </message>
    <message>
        <source>, odłożony do %1</source>
        <translation>, odłożony do %1</translation>
    </message>
    <message>
        <source>Wystąpił</source>
        <translation>Wystąpił</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>AuditDialog</name>
    <message>
        <source>Historia zmian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakres (czas lokalny) i filtr</source>
        <translation type="unfinished">Zakres (czas lokalny) i filtr</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation type="unfinished">Od:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation type="unfinished">Do:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation type="unfinished">Użytkownik:</translation>
    </message>
    <message>
        <source>Nazwa logowania; puste pole: wszyscy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation type="unfinished">Pokaż</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation type="unfinished">Eksport CSV…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation type="unfinished">Zamknij</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation type="unfinished">Błąd</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation type="unfinished">Początek zakresu musi być wcześniejszy niż jego koniec.</translation>
    </message>
    <message>
        <source>Czytam historię zmian...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historia zmian niedostępna: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokazano %1 najnowszych z %2 wpisów zakresu; wszystkie są w eksporcie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wpisów: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>historia-zmian.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eksport historii zmian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation type="unfinished">Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation type="unfinished">Eksportuję do pliku %1...</translation>
    </message>
    <message>
        <source>Eksport historii zmian: zapisano wierszy: %1 do pliku %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eksport historii zmian nieudany: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditTableModel</name>
    <message>
        <source>zapis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapis odrzucony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapis zmieniony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logowanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wylogowanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nieudane logowanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blokada logowania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapis projektu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zmiana użytkowników</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czas</source>
        <translation type="unfinished">Czas</translation>
    </message>
    <message>
        <source>Użytkownik</source>
        <translation type="unfinished">Użytkownik</translation>
    </message>
    <message>
        <source>Stanowisko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czynność</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation type="unfinished">Sterownik</translation>
    </message>
    <message>
        <source>Zmienna</source>
        <translation type="unfinished">Zmienna</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysłano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potwierdzono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szczegóły</source>
        <translation type="unfinished"></translation>
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
        <translation>Stan</translation>
    </message>
    <message>
        <source>Ostatnia odpowiedź</source>
        <translation>Ostatnia odpowiedź</translation>
    </message>
    <message>
        <source>Czas odpowiedzi</source>
        <translation>Czas odpowiedzi</translation>
    </message>
    <message>
        <source>nieużywany w schemacie</source>
        <translation>nieużywany w schemacie</translation>
    </message>
    <message>
        <source>odpowiada</source>
        <translation>odpowiada</translation>
    </message>
    <message>
        <source>nie odpowiada</source>
        <translation>nie odpowiada</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>nigdy</translation>
    </message>
</context>
<context>
    <name>DataRead</name>
    <message>
        <source>Sterownik </source>
        <translation>Sterownik </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> nie odpowiada</translation>
    </message>
    <message>
        <source>: niepoprawna suma kontrolna</source>
        <translation>: niepoprawna suma kontrolna</translation>
    </message>
    <message>
        <source>: niepełna odpowiedź</source>
        <translation>: niepełna odpowiedź</translation>
    </message>
    <message>
        <source>: odpowiedź bez wartości</source>
        <translation>: odpowiedź bez wartości</translation>
    </message>
    <message>
        <source> znów odpowiada</source>
        <translation> znów odpowiada</translation>
    </message>
</context>
<context>
    <name>EventAddEdit</name>
    <message>
        <source>Dodaj / edytuj zdarzenie</source>
        <translation>Dodaj / edytuj zdarzenie</translation>
    </message>
    <message>
        <source>Nazwa zdarzenia: </source>
        <translation>Nazwa zdarzenia: </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Id sterownika</source>
        <translation>Id sterownika</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Dodaj element</source>
        <translation>Dodaj element</translation>
    </message>
    <message>
        <source>Usuń element</source>
        <translation>Usuń element</translation>
    </message>
</context>
<context>
    <name>EventItemAddEdit</name>
    <message>
        <source>Element zdarzenia</source>
        <translation>Element zdarzenia</translation>
    </message>
    <message>
        <source>Typ zmiennej</source>
        <translation>Typ zmiennej</translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Całkowita</translation>
    </message>
    <message>
        <source>Rzeczywista</source>
        <translation>Rzeczywista</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logiczna</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Procentowa</translation>
    </message>
    <message>
        <source>Lista rozwijana</source>
        <translation>Lista rozwijana</translation>
    </message>
    <message>
        <source>Lista </source>
        <translation>Lista </translation>
    </message>
    <message>
        <source>Zmiana schematu</source>
        <translation>Zmiana schematu</translation>
    </message>
    <message>
        <source>Id sterownika: </source>
        <translation>Id sterownika: </translation>
    </message>
    <message>
        <source>Zmienna w sterowniku: </source>
        <translation>Zmienna w sterowniku: </translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Id schematu: </source>
        <translation>Id schematu: </translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Dodaj wartość</source>
        <translation>Dodaj wartość</translation>
    </message>
    <message>
        <source>Usuń wartość</source>
        <translation>Usuń wartość</translation>
    </message>
    <message>
        <source>Sterownik nie odpowiada</source>
        <translation>Sterownik nie odpowiada</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>nazwa jest pusta</source>
        <translation>nazwa jest pusta</translation>
    </message>
    <message>
        <source>nazwa nie może zawierać &quot;..&quot;</source>
        <translation>nazwa nie może zawierać &quot;..&quot;</translation>
    </message>
    <message>
        <source>nazwa zawiera znak niedozwolony w nazwie pliku</source>
        <translation>nazwa zawiera znak niedozwolony w nazwie pliku</translation>
    </message>
    <message>
        <source>nazwa nie może kończyć się spacją ani kropką</source>
        <translation>nazwa nie może kończyć się spacją ani kropką</translation>
    </message>
    <message>
        <source>nazwa jest zarezerwowana przez system</source>
        <translation>nazwa jest zarezerwowana przez system</translation>
    </message>
    <message>
        <source>nazwa jest za długa</source>
        <translation>nazwa jest za długa</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>Witaj w programie Tesk-Control !</source>
        <translation>Witaj w programie Tesk-Control !</translation>
    </message>
    <message>
        <source>Domyślne położenie projektów: </source>
        <translation>Domyślne położenie projektów: </translation>
    </message>
    <message>
        <source>Domyślny język: </source>
        <translation>Domyślny język: </translation>
    </message>
    <message>
        <source>Angielski (ENG)</source>
        <translation>Angielski (ENG)</translation>
    </message>
    <message>
        <source>Polski (PL)</source>
        <translation>Polski (PL)</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Wybierz folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Język w programie zostanie zmieniony po ponownym uruchomieniu</source>
        <translation>Język w programie zostanie zmieniony po ponownym uruchomieniu</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>za dużo kroków: %1 (najwyżej %2)</source>
        <translation>za dużo kroków: %1 (najwyżej %2)</translation>
    </message>
    <message>
        <source>nie można zapisać pliku %1: %2</source>
        <translation>nie można zapisać pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryExportDialog</name>
    <message>
        <source>Historia: eksport do pliku CSV</source>
        <translation>Historia: eksport do pliku CSV</translation>
    </message>
    <message>
        <source>Punkty</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Żaden</source>
        <translation>Żaden</translation>
    </message>
    <message>
        <source>Zakres (czas lokalny)</source>
        <translation>Zakres (czas lokalny)</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Krok:</source>
        <translation>Krok:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>min, maks i średnia z każdego kroku zamiast surowych próbek</source>
        <translation>min, maks i średnia z każdego kroku zamiast surowych próbek</translation>
    </message>
    <message>
        <source>Eksportuj...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Zaznacz co najmniej jeden punkt.</source>
        <translation>Zaznacz co najmniej jeden punkt.</translation>
    </message>
    <message>
        <source>Początek zakresu musi być wcześniejszy niż jego koniec.</source>
        <translation>Początek zakresu musi być wcześniejszy niż jego koniec.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>historia.csv</source>
        <translation>historia.csv</translation>
    </message>
    <message>
        <source>Eksport historii</source>
        <translation>Eksport historii</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Eksportuję do pliku %1...</source>
        <translation>Eksportuję do pliku %1...</translation>
    </message>
    <message>
        <source>Eksport historii: zapisano wierszy: %1 do pliku %2</source>
        <translation>Eksport historii: zapisano wierszy: %1 do pliku %2</translation>
    </message>
    <message>
        <source>Eksport historii nieudany: %1</source>
        <translation>Eksport historii nieudany: %1</translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>baza danych zawiera tabele innego programu</source>
        <translation>baza danych zawiera tabele innego programu</translation>
    </message>
    <message>
        <source>historia zapisana przez nowszą wersję programu (schemat %1)</source>
        <translation>historia zapisana przez nowszą wersję programu (schemat %1)</translation>
    </message>
    <message>
        <source>baza danych nie zawiera historii</source>
        <translation>baza danych nie zawiera historii</translation>
    </message>
    <message>
        <source>historia w starszym schemacie %1: otworzy ją program, który ją zapisuje</source>
        <translation>historia w starszym schemacie %1: otworzy ją program, który ją zapisuje</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>brak folderu %1</source>
        <translation>brak folderu %1</translation>
    </message>
    <message>
        <source>%1 jest folderem</source>
        <translation>%1 jest folderem</translation>
    </message>
    <message>
        <source>plik historii %1 nie był czytelny; zachowano go jako %2 i założono nowy</source>
        <translation>plik historii %1 nie był czytelny; zachowano go jako %2 i założono nowy</translation>
    </message>
    <message>
        <source>historia nie jest otwarta</source>
        <translation>historia nie jest otwarta</translation>
    </message>
    <message>
        <source>plik %1 nie jest historią</source>
        <translation>plik %1 nie jest historią</translation>
    </message>
    <message>
        <source>brak pliku historii %1</source>
        <translation>brak pliku historii %1</translation>
    </message>
</context>
<context>
    <name>HistoryWriter</name>
    <message>
        <source>Historia niedostępna: nie zapisano zdarzeń alarmów: %1</source>
        <translation>Historia niedostępna: nie zapisano zdarzeń alarmów: %1</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Zaloguj się</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Podaj nazwę użytkownika.</source>
        <translation>Podaj nazwę użytkownika.</translation>
    </message>
    <message>
        <source>Błędna nazwa użytkownika lub hasło.</source>
        <translation>Błędna nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Wpis użytkownika %1 w pliku users.xml jest uszkodzony: nie można się na niego zalogować. Administrator może go poprawić w oknie „Użytkownicy”.</source>
        <translation>Wpis użytkownika %1 w pliku users.xml jest uszkodzony: nie można się na niego zalogować. Administrator może go poprawić w oknie „Użytkownicy”.</translation>
    </message>
    <message>
        <source>Zbyt wiele nieudanych prób logowania jako %1. Spróbuj ponownie za %2 s.</source>
        <translation>Zbyt wiele nieudanych prób logowania jako %1. Spróbuj ponownie za %2 s.</translation>
    </message>
    <message>
        <source>Sprawdzanie hasła…</source>
        <translation>Sprawdzanie hasła…</translation>
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
        <translation>Szukaj:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Schemat</translation>
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
        <translation>Dane</translation>
    </message>
    <message>
        <source>Błędy</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Informacje</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Ostrzeżenia</source>
        <translation>Ostrzeżenia</translation>
    </message>
    <message>
        <source>Pasek narzędzi</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Uruchomiono program, logowanie rozpoczęte</source>
        <translation>Uruchomiono program, logowanie rozpoczęte</translation>
    </message>
    <message>
        <source>Zaloguj się</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>Nowy projekt</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Otwórz projekt</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Zapisz projekt</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>Edytuj projekt</source>
        <translation>Edytuj projekt</translation>
    </message>
    <message>
        <source>Sterowniki</source>
        <translation>Sterowniki</translation>
    </message>
    <message>
        <source>Drzewo elementów</source>
        <translation>Drzewo elementów</translation>
    </message>
    <message>
        <source>Edytor schematów</source>
        <translation>Edytor schematów</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>O Programie</source>
        <translation>O Programie</translation>
    </message>
    <message>
        <source>Nie udało się zapisać ustawień: </source>
        <translation>Nie udało się zapisać ustawień: </translation>
    </message>
    <message>
        <source>Otwieram ostatnio zapisany projekt: </source>
        <translation>Otwieram ostatnio zapisany projekt: </translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku: </source>
        <translation>Nie udało się zapisać pliku: </translation>
    </message>
    <message>
        <source>Otwieram projekt: </source>
        <translation>Otwieram projekt: </translation>
    </message>
    <message>
        <source>Nie udało się zapisać projektu:</source>
        <translation>Nie udało się zapisać projektu:</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Projekt zawiera niezapisane zmiany. Czy zapisać je teraz?</source>
        <translation>Projekt zawiera niezapisane zmiany. Czy zapisać je teraz?</translation>
    </message>
    <message>
        <source>Nadzór i obsługa sterowników automatyki budynków.</source>
        <translation>Nadzór i obsługa sterowników automatyki budynków.</translation>
    </message>
    <message>
        <source>Nie znaleziono: </source>
        <translation>Nie znaleziono: </translation>
    </message>
    <message>
        <source>Błąd ładowania schematu: </source>
        <translation>Błąd ładowania schematu: </translation>
    </message>
    <message>
        <source>Schemat nie zgłasza kliknięć (brak sygnału itemClicked): </source>
        <translation>Schemat nie zgłasza kliknięć (brak sygnału itemClicked): </translation>
    </message>
    <message>
        <source>Aktualizacja danych</source>
        <translation>Aktualizacja danych</translation>
    </message>
    <message>
        <source>Odświeżanie schematu zatrzymane; „Odswież” w menu schematu wznawia je</source>
        <translation>Odświeżanie schematu zatrzymane; „Odswież” w menu schematu wznawia je</translation>
    </message>
    <message>
        <source>Aktualizacja zakończona, czas odczytu: </source>
        <translation>Aktualizacja zakończona, czas odczytu: </translation>
    </message>
    <message>
        <source>Odczytano parametr ze sterownika: </source>
        <translation>Odczytano parametr ze sterownika: </translation>
    </message>
    <message>
        <source>Brak parametru w sterowniku: </source>
        <translation>Brak parametru w sterowniku: </translation>
    </message>
    <message>
        <source>Nie znaleziono sterownika z ID: </source>
        <translation>Nie znaleziono sterownika z ID: </translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Sterownik </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> nie odpowiada</translation>
    </message>
    <message>
        <source>Nie znaleziono schematu o ID: </source>
        <translation>Nie znaleziono schematu o ID: </translation>
    </message>
    <message>
        <source>Nie zapisano parametru (brak wartości do zapisania): </source>
        <translation>Nie zapisano parametru (brak wartości do zapisania): </translation>
    </message>
    <message>
        <source>Zapis do sterownika: </source>
        <translation>Zapis do sterownika: </translation>
    </message>
    <message>
        <source>Nie udało się odczytać plików projektu:</source>
        <translation>Nie udało się odczytać plików projektu:</translation>
    </message>
    <message>
        <source>Wybierz folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Żaden projekt nie jest otwarty.</source>
        <translation>Żaden projekt nie jest otwarty.</translation>
    </message>
    <message>
        <source>: niepoprawna odpowiedź</source>
        <translation>: niepoprawna odpowiedź</translation>
    </message>
    <message>
        <source>, zapis niepotwierdzony</source>
        <translation>, zapis niepotwierdzony</translation>
    </message>
    <message>
        <source>Sterownik odrzucił zapis: </source>
        <translation>Sterownik odrzucił zapis: </translation>
    </message>
    <message>
        <source>, wartość w sterowniku bez zmian</source>
        <translation>, wartość w sterowniku bez zmian</translation>
    </message>
    <message>
        <source>Sterownik zmienił zapisywaną wartość: </source>
        <translation>Sterownik zmienił zapisywaną wartość: </translation>
    </message>
    <message>
        <source>: wysłano </source>
        <translation>: wysłano </translation>
    </message>
    <message>
        <source>, sterownik przyjął </source>
        <translation>, sterownik przyjął </translation>
    </message>
    <message>
        <source>Nie wszystkie wartości zostały zapisane:
</source>
        <translation>Nie wszystkie wartości zostały zapisane:
</translation>
    </message>
    <message>
        <source>Zapis niepotwierdzony</source>
        <translation>Zapis niepotwierdzony</translation>
    </message>
    <message>
        <source>. Wartości można zmienić, gdy znów odpowie.</source>
        <translation>. Wartości można zmienić, gdy znów odpowie.</translation>
    </message>
    <message>
        <source>Nie odczytano wartości do zmiany: </source>
        <translation>Nie odczytano wartości do zmiany: </translation>
    </message>
    <message>
        <source>. Nic nie zapisano.</source>
        <translation>. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Trwa zapis wartości do sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</source>
        <translation>Trwa zapis wartości do sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</translation>
    </message>
    <message>
        <source>Trwa odczyt wartości ze sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</source>
        <translation>Trwa odczyt wartości ze sterowników. Kolejną zmianę można zacząć po jego zakończeniu.</translation>
    </message>
    <message>
        <source>Monitorowanie obiektu: punkty: %1, przebieg co %2 s</source>
        <translation>Monitorowanie obiektu: punkty: %1, przebieg co %2 s</translation>
    </message>
    <message>
        <source>Przed zapisem projektu każdy zwykły plik spośród nich zostanie skopiowany do pliku z końcówką .unreadable.</source>
        <translation>Przed zapisem projektu każdy zwykły plik spośród nich zostanie skopiowany do pliku z końcówką .unreadable.</translation>
    </message>
    <message>
        <source>Historia nie jest zapisywana od </source>
        <translation>Historia nie jest zapisywana od </translation>
    </message>
    <message>
        <source>Historia znów jest zapisywana</source>
        <translation>Historia znów jest zapisywana</translation>
    </message>
    <message>
        <source>Monitorowanie</source>
        <translation>Monitorowanie</translation>
    </message>
    <message>
        <source>Historia</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Monitorowanie: sterownika </source>
        <translation>Monitorowanie: sterownika </translation>
    </message>
    <message>
        <source> nie ma na liście sterowników, jego punkty nie są odczytywane</source>
        <translation> nie ma na liście sterowników, jego punkty nie są odczytywane</translation>
    </message>
    <message>
        <source>Monitorowanie: sterownik </source>
        <translation>Monitorowanie: sterownik </translation>
    </message>
    <message>
        <source> znów odpowiada</source>
        <translation> znów odpowiada</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>Alarmy: stany z poprzedniego uruchomienia nie zostały odczytane, alarmy są oceniane od nowa</source>
        <translation>Alarmy: stany z poprzedniego uruchomienia nie zostały odczytane, alarmy są oceniane od nowa</translation>
    </message>
    <message>
        <source>Eksport historii…</source>
        <translation>Eksport historii…</translation>
    </message>
    <message>
        <source>Historia alarmów</source>
        <translation>Historia alarmów</translation>
    </message>
    <message>
        <source>Analiza alarmów</source>
        <translation>Analiza alarmów</translation>
    </message>
    <message>
        <source>Monitorowanie: punkt trendu %1 nie jest już monitorowany, trend pokazuje jego dotychczasową historię</source>
        <translation>Monitorowanie: punkt trendu %1 nie jest już monitorowany, trend pokazuje jego dotychczasową historię</translation>
    </message>
    <message>
        <source>Trendy</source>
        <translation>Trendy</translation>
    </message>
    <message>
        <source>Żadna zmienna tego schematu nie jest punktem monitorowania: brak historii do pokazania.</source>
        <translation>Żadna zmienna tego schematu nie jest punktem monitorowania: brak historii do pokazania.</translation>
    </message>
    <message>
        <source>Zapis do sterownika %1 niedozwolony: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historia zmian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zalogowano: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wylogowano po bezczynności: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wylogowano: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieudane logowanie: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zablokowano logowanie %1 na %2 s po kolejnych nieudanych próbach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku %1: nikt nie może się zalogować, stacja tylko pokazuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Użytkownik „%1” w pliku %2 nie może się zalogować: jego wpis jest uszkodzony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt bez użytkowników: każdy może wszystko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udało się zapisać użytkowników: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udało się zapisać użytkowników:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisano użytkowników projektu: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyloguj %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zalogowany: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nikt nie jest zalogowany: stacja tylko pokazuje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historia niedostępna: nie zapisano próbek i wpisów historii zmian: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieudane logowanie: %1 (logowanie zablokowane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baza historii niedostępna od %1, alarmy na tej stacji nie są aktualne: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta stacja zapisuje teraz historię i alarmy: %1 przestał je zapisywać</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta stacja zapisuje historię i alarmy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historię i alarmy zapisuje %1: ta stacja pokazuje alarmy z bazy historii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisuje: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nikt nie zapisuje historii i alarmów: %1 przestał, a ta stacja nie może zapisywać</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historię i alarmy znów zapisuje %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baza historii znów dostępna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nikt nie zapisuje historii i alarmów, a ta stacja nie może zapisywać</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitoringCheck</name>
    <message>
        <source>Plik SQLite: podaj ścieżkę pliku historii.</source>
        <translation>Plik SQLite: podaj ścieżkę pliku historii.</translation>
    </message>
    <message>
        <source>Serwer: podaj adres serwera PostgreSQL.</source>
        <translation>Serwer: podaj adres serwera PostgreSQL.</translation>
    </message>
    <message>
        <source>Port: „%1” nie jest liczbą od 1 do 65535.</source>
        <translation>Port: „%1” nie jest liczbą od 1 do 65535.</translation>
    </message>
    <message>
        <source>Baza danych: podaj nazwę bazy danych.</source>
        <translation>Baza danych: podaj nazwę bazy danych.</translation>
    </message>
    <message>
        <source>ID: podaj ID punktu.</source>
        <translation>ID: podaj ID punktu.</translation>
    </message>
    <message>
        <source>ID „%1”: %2.</source>
        <translation>ID „%1”: %2.</translation>
    </message>
    <message>
        <source>ID „%1”: ma je już inny punkt.</source>
        <translation>ID „%1”: ma je już inny punkt.</translation>
    </message>
    <message>
        <source>Sterownik: wybierz sterownik.</source>
        <translation>Sterownik: wybierz sterownik.</translation>
    </message>
    <message>
        <source>Zmienna: podaj zmienną sterownika.</source>
        <translation>Zmienna: podaj zmienną sterownika.</translation>
    </message>
    <message>
        <source>Strefa nieczułości: nie może być mniejsza niż 0.</source>
        <translation>Strefa nieczułości: nie może być mniejsza niż 0.</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa: nie może być mniejsza niż 0.</source>
        <translation>Najdłuższa przerwa: nie może być mniejsza niż 0.</translation>
    </message>
    <message>
        <source>Przebieg co: co najmniej 1 s.</source>
        <translation>Przebieg co: co najmniej 1 s.</translation>
    </message>
    <message>
        <source>Próbki przechowywane: co najmniej 1 dzień.</source>
        <translation>Próbki przechowywane: co najmniej 1 dzień.</translation>
    </message>
    <message>
        <source>Agregaty przechowywane: co najmniej 1 dzień.</source>
        <translation>Agregaty przechowywane: co najmniej 1 dzień.</translation>
    </message>
    <message>
        <source>Bardzo wysoka wartość (HH)</source>
        <translation>Bardzo wysoka wartość (HH)</translation>
    </message>
    <message>
        <source>Wysoka wartość (H)</source>
        <translation>Wysoka wartość (H)</translation>
    </message>
    <message>
        <source>Niska wartość (L)</source>
        <translation>Niska wartość (L)</translation>
    </message>
    <message>
        <source>Bardzo niska wartość (LL)</source>
        <translation>Bardzo niska wartość (LL)</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Błąd zmiennej</source>
        <translation>Błąd zmiennej</translation>
    </message>
    <message>
        <source>Granica %1 (%2) nie może być %3 granicy %4 (%5).</source>
        <translation>Granica %1 (%2) nie może być %3 granicy %4 (%5).</translation>
    </message>
    <message>
        <source>poniżej</source>
        <translation>poniżej</translation>
    </message>
    <message>
        <source>powyżej</source>
        <translation>powyżej</translation>
    </message>
    <message>
        <source>Rodzaj: punkt ma już alarm „%1”.</source>
        <translation>Rodzaj: punkt ma już alarm „%1”.</translation>
    </message>
    <message>
        <source>Alarm „%1”: tylko dla zmiennych logicznych i całkowitych.</source>
        <translation>Alarm „%1”: tylko dla zmiennych logicznych i całkowitych.</translation>
    </message>
    <message>
        <source>Alarm „%1”: histereza nie może być mniejsza niż 0.</source>
        <translation>Alarm „%1”: histereza nie może być mniejsza niż 0.</translation>
    </message>
    <message>
        <source>Alarm „%1”: zwłoka nie może być mniejsza niż 0.</source>
        <translation>Alarm „%1”: zwłoka nie może być mniejsza niż 0.</translation>
    </message>
    <message>
        <source>Alarm „%1”: priorytet od 1 do 4.</source>
        <translation>Alarm „%1”: priorytet od 1 do 4.</translation>
    </message>
    <message>
        <source>Alarm „%1”: podaj tekst alarmu.</source>
        <translation>Alarm „%1”: podaj tekst alarmu.</translation>
    </message>
    <message>
        <source>Alarm braku komunikacji po: co najmniej 1 s.</source>
        <translation>Alarm braku komunikacji po: co najmniej 1 s.</translation>
    </message>
    <message>
        <source>Odłożenie alarmu najwyżej na: co najmniej 1 godzinę.</source>
        <translation>Odłożenie alarmu najwyżej na: co najmniej 1 godzinę.</translation>
    </message>
    <message>
        <source>Brak komunikacji</source>
        <translation>Brak komunikacji</translation>
    </message>
    <message>
        <source>Punkt „%1”: kolor w postaci #rrggbb.</source>
        <translation>Punkt „%1”: kolor w postaci #rrggbb.</translation>
    </message>
    <message>
        <source>Punkt „%1”: grubość linii od 0,5 do 10 pikseli.</source>
        <translation>Punkt „%1”: grubość linii od 0,5 do 10 pikseli.</translation>
    </message>
    <message>
        <source>Punkt „%1”: linia ciągła, kreskowana lub kropkowana.</source>
        <translation>Punkt „%1”: linia ciągła, kreskowana lub kropkowana.</translation>
    </message>
    <message>
        <source>Nazwa: podaj nazwę trendu.</source>
        <translation>Nazwa: podaj nazwę trendu.</translation>
    </message>
    <message>
        <source>Nazwa „%1”: ma ją już inny trend.</source>
        <translation>Nazwa „%1”: ma ją już inny trend.</translation>
    </message>
    <message>
        <source>Trend: od 1 do %1 punktów.</source>
        <translation>Trend: od 1 do %1 punktów.</translation>
    </message>
    <message>
        <source>Trend: każda linia musi mieć punkt.</source>
        <translation>Trend: każda linia musi mieć punkt.</translation>
    </message>
    <message>
        <source>Punkt „%1”: jest już w trendzie.</source>
        <translation>Punkt „%1”: jest już w trendzie.</translation>
    </message>
</context>
<context>
    <name>MonitoringEdit</name>
    <message>
        <source>Monitorowanie</source>
        <translation>Monitorowanie</translation>
    </message>
    <message>
        <source>Punkty zapisywane w historii</source>
        <translation>Punkty zapisywane w historii</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Sterownik</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Zmienna</source>
        <translation>Zmienna</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Jednostka</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Zapis</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Strefa nieczułości</source>
        <translation>Strefa nieczułości</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa [s]</source>
        <translation>Najdłuższa przerwa [s]</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Gdzie zapisywana jest historia</source>
        <translation>Gdzie zapisywana jest historia</translation>
    </message>
    <message>
        <source>Baza:</source>
        <translation>Baza:</translation>
    </message>
    <message>
        <source>SQLite (plik w folderze projektu)</source>
        <translation>SQLite (plik w folderze projektu)</translation>
    </message>
    <message>
        <source>PostgreSQL (serwer)</source>
        <translation>PostgreSQL (serwer)</translation>
    </message>
    <message>
        <source>Plik:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Ścieżka względem folderu projektu.</source>
        <translation>Ścieżka względem folderu projektu.</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>Baza danych:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Hasła nie zapisuje się w projekcie: klient PostgreSQL bierze je z pliku haseł (~/.pgpass, PGPASSFILE) lub ze zmiennej środowiska PGPASSWORD.</source>
        <translation>Hasła nie zapisuje się w projekcie: klient PostgreSQL bierze je z pliku haseł (~/.pgpass, PGPASSFILE) lub ze zmiennej środowiska PGPASSWORD.</translation>
    </message>
    <message>
        <source>Przebiegi i przechowywanie</source>
        <translation>Przebiegi i przechowywanie</translation>
    </message>
    <message>
        <source>Przebieg co:</source>
        <translation>Przebieg co:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Próbki przechowywane:</source>
        <translation>Próbki przechowywane:</translation>
    </message>
    <message>
        <source> dni</source>
        <translation> dni</translation>
    </message>
    <message>
        <source>Agregaty przechowywane:</source>
        <translation>Agregaty przechowywane:</translation>
    </message>
    <message>
        <source>Minimum, maksimum i średnia z każdej minuty i godziny.</source>
        <translation>Minimum, maksimum i średnia z każdej minuty i godziny.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>w każdym przebiegu</source>
        <translation>w każdym przebiegu</translation>
    </message>
    <message>
        <source>przy zmianie</source>
        <translation>przy zmianie</translation>
    </message>
    <message>
        <source>Usunąć punkt „%1” (%2, %3)? Jego zapisana historia zostaje w bazie.</source>
        <translation>Usunąć punkt „%1” (%2, %3)? Jego zapisana historia zostaje w bazie.</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Alarm braku komunikacji po:</source>
        <translation>Alarm braku komunikacji po:</translation>
    </message>
    <message>
        <source>Sterownik, który tyle sekund nie odpowiada, podnosi alarm braku komunikacji (priorytet 2).</source>
        <translation>Sterownik, który tyle sekund nie odpowiada, podnosi alarm braku komunikacji (priorytet 2).</translation>
    </message>
    <message>
        <source>Odłożenie alarmu najwyżej na:</source>
        <translation>Odłożenie alarmu najwyżej na:</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Historia zaznaczonych punktów w oknie „Trendy”</source>
        <translation>Historia zaznaczonych punktów w oknie „Trendy”</translation>
    </message>
</context>
<context>
    <name>MonitoringPointEdit</name>
    <message>
        <source>Punkt monitorowania</source>
        <translation>Punkt monitorowania</translation>
    </message>
    <message>
        <source>ID punktu:</source>
        <translation>ID punktu:</translation>
    </message>
    <message>
        <source>Sterownik:</source>
        <translation>Sterownik:</translation>
    </message>
    <message>
        <source>Zmienna sterownika:</source>
        <translation>Zmienna sterownika:</translation>
    </message>
    <message>
        <source>Typ zmiennej:</source>
        <translation>Typ zmiennej:</translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Całkowita</translation>
    </message>
    <message>
        <source>Rzeczywista</source>
        <translation>Rzeczywista</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logiczna</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Procentowa</translation>
    </message>
    <message>
        <source>Opis:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Jednostka:</source>
        <translation>Jednostka:</translation>
    </message>
    <message>
        <source>Zapis:</source>
        <translation>Zapis:</translation>
    </message>
    <message>
        <source>Przy zmianie</source>
        <translation>Przy zmianie</translation>
    </message>
    <message>
        <source>W każdym przebiegu</source>
        <translation>W każdym przebiegu</translation>
    </message>
    <message>
        <source>Strefa nieczułości:</source>
        <translation>Strefa nieczułości:</translation>
    </message>
    <message>
        <source>Zmiana wartości, od której zapisywana jest nowa próbka (dla zmiennych całkowitych i logicznych każda zmiana).</source>
        <translation>Zmiana wartości, od której zapisywana jest nowa próbka (dla zmiennych całkowitych i logicznych każda zmiana).</translation>
    </message>
    <message>
        <source>Najdłuższa przerwa:</source>
        <translation>Najdłuższa przerwa:</translation>
    </message>
    <message>
        <source>Po tylu sekundach bez zmiany próbka jest zapisywana i tak; 0: nigdy.</source>
        <translation>Po tylu sekundach bez zmiany próbka jest zapisywana i tak; 0: nigdy.</translation>
    </message>
    <message>
        <source>bez limitu</source>
        <translation>bez limitu</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Sterownik </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> nie odpowiada</translation>
    </message>
    <message>
        <source>Strefa nieczułości: „%1” nie jest liczbą.</source>
        <translation>Strefa nieczułości: „%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Alarmy</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Granica / wartość</source>
        <translation>Granica / wartość</translation>
    </message>
    <message>
        <source>Histereza</source>
        <translation>Histereza</translation>
    </message>
    <message>
        <source>Zwłoki [s]</source>
        <translation>Zwłoki [s]</translation>
    </message>
    <message>
        <source>Priorytet</source>
        <translation>Priorytet</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Dodaj alarm</source>
        <translation>Dodaj alarm</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>NewProject</name>
    <message>
        <source>Nowy projekt</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Katalog:</source>
        <translation>Katalog:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Utwórz</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje.</source>
        <translation>Nie udało się stworzyć katalogu o pdanej nazwie, prawdopodobnie już istnieje.</translation>
    </message>
    <message>
        <source>Nieprawidłowa nazwa katalogu: </source>
        <translation>Nieprawidłowa nazwa katalogu: </translation>
    </message>
</context>
<context>
    <name>PostgresProbe</name>
    <message>
        <source>zamykanie: próba połączenia z serwerem PostgreSQL przerwana</source>
        <translation>zamykanie: próba połączenia z serwerem PostgreSQL przerwana</translation>
    </message>
    <message>
        <source>serwer PostgreSQL %1 nie odpowiada</source>
        <translation>serwer PostgreSQL %1 nie odpowiada</translation>
    </message>
</context>
<context>
    <name>ProjectEdit</name>
    <message>
        <source>Edytuj projekt</source>
        <translation>Edytuj projekt</translation>
    </message>
    <message>
        <source>Informacje o projekcie</source>
        <translation>Informacje o projekcie</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Wersja:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Data edycji:</source>
        <translation>Data edycji:</translation>
    </message>
    <message>
        <source>Konto SIP</source>
        <translation>Konto SIP</translation>
    </message>
    <message>
        <source>Adres serwera:</source>
        <translation>Adres serwera:</translation>
    </message>
    <message>
        <source>Numer:</source>
        <translation>Numer:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Nazwa użytkownika:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>QDeclarativeZoomPan</name>
    <message>
        <source>Odswież</source>
        <translation>Odswież</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Główny element schematu nie jest elementem graficznym</source>
        <translation>Główny element schematu nie jest elementem graficznym</translation>
    </message>
    <message>
        <source>Widok domyślny</source>
        <translation>Widok domyślny</translation>
    </message>
    <message>
        <source>Trend punktów schematu</source>
        <translation>Trend punktów schematu</translation>
    </message>
</context>
<context>
    <name>QmlFileChooser</name>
    <message>
        <source>Wybierz folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Plik QML musi leżeć w folderze projektu: </source>
        <translation>Plik QML musi leżeć w folderze projektu: </translation>
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
        <translation>jest dowiązaniem, nie zostanie odczytany</translation>
    </message>
    <message>
        <source>nie jest zwykłym plikiem, nie zostanie odczytany</source>
        <translation>nie jest zwykłym plikiem, nie zostanie odczytany</translation>
    </message>
</context>
<context>
    <name>SchemeFile</name>
    <message>
        <source>nazwa jest zajęta przez plik projektu</source>
        <translation>nazwa jest zajęta przez plik projektu</translation>
    </message>
</context>
<context>
    <name>SchemeIdCheck</name>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Nieprawidłowe ID schematu „%1”: %2.</source>
        <translation>Nieprawidłowe ID schematu „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>SchemePreview</name>
    <message>
        <source>Podgląd schematu</source>
        <translation>Podgląd schematu</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Ustawienia</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Wygląd</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Aktualizacje</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Dźwięk alarmów</source>
        <translation>Dźwięk alarmów</translation>
    </message>
    <message>
        <source>Ton powtarzany, dopóki alarm o priorytecie 1 lub 2 czeka na potwierdzenie</source>
        <translation>Ton powtarzany, dopóki alarm o priorytecie 1 lub 2 czeka na potwierdzenie</translation>
    </message>
    <message>
        <source>Wylogowanie po bezczynności:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"> min</translation>
    </message>
    <message>
        <source>Zalogowany użytkownik zostaje wylogowany, gdy przez tyle minut nie użyje klawiatury ani myszy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Użytkownicy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Użytkownicy projektu i ich role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta stacja może zapisywać historię i alarmy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gdy żaden rejestrator nie zapisuje bazy historii projektu (albo przestał), ta stacja sama odpytuje sterowniki, ocenia alarmy i zapisuje je w bazie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>nie udało się przenieść nieczytelnego pliku %1</source>
        <translation>nie udało się przenieść nieczytelnego pliku %1</translation>
    </message>
    <message>
        <source>nie udało się przenieść pliku %1</source>
        <translation>nie udało się przenieść pliku %1</translation>
    </message>
</context>
<context>
    <name>SqliteStatement</name>
    <message>
        <source>brak połączenia z plikiem historii</source>
        <translation>brak połączenia z plikiem historii</translation>
    </message>
</context>
<context>
    <name>StagedPasses</name>
    <message>
        <source>uszkodzony zapis ostatnich przebiegów w historii</source>
        <translation>uszkodzony zapis ostatnich przebiegów w historii</translation>
    </message>
</context>
<context>
    <name>StaleStrip</name>
    <message>
        <source>ostatnia poprawna odpowiedź: </source>
        <translation>ostatnia poprawna odpowiedź: </translation>
    </message>
    <message>
        <source>dotąd bez odpowiedzi</source>
        <translation>dotąd bez odpowiedzi</translation>
    </message>
    <message>
        <source>Sterownik nie odpowiada: </source>
        <translation>Sterownik nie odpowiada: </translation>
    </message>
    <message>
        <source>Sterownik odpowiada niepoprawnie: </source>
        <translation>Sterownik odpowiada niepoprawnie: </translation>
    </message>
    <message>
        <source>Sterownik odpowiada bez wartości: </source>
        <translation>Sterownik odpowiada bez wartości: </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Język interfejsu: polski</source>
        <translation>Język interfejsu: polski</translation>
    </message>
</context>
<context>
    <name>StoreLease</name>
    <message>
        <source>%1, proces %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreRead</name>
    <message>
        <source>historia niedostępna: %1</source>
        <translation type="unfinished">historia niedostępna: %1</translation>
    </message>
    <message>
        <source>nie można zapisać pliku %1: %2</source>
        <translation type="unfinished">nie można zapisać pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>TeskDesigner</name>
    <message>
        <source>Pasek narzędzi</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Obiekty</source>
        <translation>Obiekty</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Nowy plik</source>
        <translation>Nowy plik</translation>
    </message>
    <message>
        <source>Otwórz plik</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Zapisz plik</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Cofnij</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>Uruchom</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku: </source>
        <translation>Nie można otworzyć pliku: </translation>
    </message>
    <message>
        <source>Edyor graficzny</source>
        <translation>Edyor graficzny</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Plik %1 zawiera niezapisane zmiany. Czy zapisać je teraz?</source>
        <translation>Plik %1 zawiera niezapisane zmiany. Czy zapisać je teraz?</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku: </source>
        <translation>Nie udało się zapisać pliku: </translation>
    </message>
    <message>
        <source>Zapisano: </source>
        <translation>Zapisano: </translation>
    </message>
    <message>
        <source>Edytor plików QML schematów.

Ctrl+N nowy plik, Ctrl+O otwórz, Ctrl+S zapisz,
Ctrl+Z cofnij, Ctrl+Y powtórz, F5 podgląd schematu.
Podgląd pokazuje błędy QML z numerami wierszy.</source>
        <translation>Edytor plików QML schematów.

Ctrl+N nowy plik, Ctrl+O otwórz, Ctrl+S zapisz,
Ctrl+Z cofnij, Ctrl+Y powtórz, F5 podgląd schematu.
Podgląd pokazuje błędy QML z numerami wierszy.</translation>
    </message>
    <message>
        <source>Kodowanie pliku</source>
        <translation>Kodowanie pliku</translation>
    </message>
    <message>
        <source>Plik %1 nie jest zapisany w UTF-8.
Wybierz kodowanie, w którym zostanie otwarty i zapisany:</source>
        <translation>Plik %1 nie jest zapisany w UTF-8.
Wybierz kodowanie, w którym zostanie otwarty i zapisany:</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>tekst zawiera znaki, których nie da się zapisać w kodowaniu %1; plik nie został zapisany</source>
        <translation>tekst zawiera znaki, których nie da się zapisać w kodowaniu %1; plik nie został zapisany</translation>
    </message>
</context>
<context>
    <name>TrendPalette</name>
    <message>
        <source>niebieski</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>czerwony</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>zielony</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>pomarańczowy</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>fioletowy</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>brązowy</source>
        <translation>brązowy</translation>
    </message>
    <message>
        <source>różowy</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>turkusowy</source>
        <translation>turkusowy</translation>
    </message>
    <message>
        <source>oliwkowy</source>
        <translation>oliwkowy</translation>
    </message>
    <message>
        <source>szary</source>
        <translation>szary</translation>
    </message>
    <message>
        <source>granatowy</source>
        <translation>granatowy</translation>
    </message>
    <message>
        <source>ciemnozielony</source>
        <translation>ciemnozielony</translation>
    </message>
    <message>
        <source>bordowy</source>
        <translation>bordowy</translation>
    </message>
    <message>
        <source>śliwkowy</source>
        <translation>śliwkowy</translation>
    </message>
    <message>
        <source>błękitny</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>ceglasty</source>
        <translation>ceglasty</translation>
    </message>
</context>
<context>
    <name>TrendPenTable</name>
    <message>
        <source>wł.</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>wył.</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>%1 … %2</source>
        <translation>%1 … %2</translation>
    </message>
    <message>
        <source>ciągła</source>
        <translation>ciągła</translation>
    </message>
    <message>
        <source>kreskowa</source>
        <translation>kreskowa</translation>
    </message>
    <message>
        <source>kropkowa</source>
        <translation>kropkowa</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trendy</source>
        <translation>Trendy</translation>
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
        <translation>7 dni</translation>
    </message>
    <message>
        <source>30 dni</source>
        <translation>30 dni</translation>
    </message>
    <message>
        <source>1 rok</source>
        <translation>1 rok</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Do:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Pokaż</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Wstecz</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Poprzedni widok (Backspace)</source>
        <translation>Poprzedni widok (Backspace)</translation>
    </message>
    <message>
        <source>Na żywo</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>Koniec zakresu podąża za bieżącym czasem</source>
        <translation>Koniec zakresu podąża za bieżącym czasem</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Jednostka</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Grubość</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>Styl</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Wartość przy kursorze</source>
        <translation>Wartość przy kursorze</translation>
    </message>
    <message>
        <source>Dodaj punkt</source>
        <translation>Dodaj punkt</translation>
    </message>
    <message>
        <source>Usuń punkt</source>
        <translation>Usuń punkt</translation>
    </message>
    <message>
        <source>Zestaw:</source>
        <translation>Zestaw:</translation>
    </message>
    <message>
        <source>Zapisz zestaw…</source>
        <translation>Zapisz zestaw…</translation>
    </message>
    <message>
        <source>Usuń zestaw</source>
        <translation>Usuń zestaw</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Zapisz PNG…</source>
        <translation>Zapisz PNG…</translation>
    </message>
    <message>
        <source>Drukuj…</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 (nie jest już monitorowany)</source>
        <translation>%1 (nie jest już monitorowany)</translation>
    </message>
    <message>
        <source>Dodaj punkty, aby narysować ich historię.</source>
        <translation>Dodaj punkty, aby narysować ich historię.</translation>
    </message>
    <message>
        <source>Trend niedostępny: %1</source>
        <translation>Trend niedostępny: %1</translation>
    </message>
    <message>
        <source>Brak zapisanych wartości w tym zakresie.</source>
        <translation>Brak zapisanych wartości w tym zakresie.</translation>
    </message>
    <message>
        <source>Koniec zakresu musi być co najmniej minutę po jego początku.</source>
        <translation>Koniec zakresu musi być co najmniej minutę po jego początku.</translation>
    </message>
    <message>
        <source>Brak punktów monitorowania</source>
        <translation>Brak punktów monitorowania</translation>
    </message>
    <message>
        <source>— wybierz —</source>
        <translation>— wybierz —</translation>
    </message>
    <message>
        <source>Zestaw bez punktów nie zostanie zapisany.</source>
        <translation>Zestaw bez punktów nie zostanie zapisany.</translation>
    </message>
    <message>
        <source>Zapisz zestaw</source>
        <translation>Zapisz zestaw</translation>
    </message>
    <message>
        <source>Nazwa zestawu:</source>
        <translation>Nazwa zestawu:</translation>
    </message>
    <message>
        <source>Surowe próbki…</source>
        <translation>Surowe próbki…</translation>
    </message>
    <message>
        <source>Jak na wykresie (min/max na krok)…</source>
        <translation>Jak na wykresie (min/max na krok)…</translation>
    </message>
    <message>
        <source>Eksport trendu</source>
        <translation>Eksport trendu</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Zapisano wierszy: %1 do pliku %2</source>
        <translation>Zapisano wierszy: %1 do pliku %2</translation>
    </message>
    <message>
        <source>Eksport trendu nieudany: %1</source>
        <translation>Eksport trendu nieudany: %1</translation>
    </message>
    <message>
        <source>Zapisz obraz trendu</source>
        <translation>Zapisz obraz trendu</translation>
    </message>
    <message>
        <source>Obrazy PNG (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>Zapisano obraz %1</source>
        <translation>Zapisano obraz %1</translation>
    </message>
    <message>
        <source>Nie można zapisać obrazu %1: %2</source>
        <translation>Nie można zapisać obrazu %1: %2</translation>
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
        <translation>nie udało się zachować kopii nieczytelnego pliku: %1</translation>
    </message>
    <message>
        <source>wszystkie nazwy kopii są zajęte</source>
        <translation>wszystkie nazwy kopii są zajęte</translation>
    </message>
</context>
<context>
    <name>UserActions</name>
    <message>
        <source>Zapis wartości do sterownika</source>
        <translation>Zapis wartości do sterownika</translation>
    </message>
    <message>
        <source>Potwierdzanie alarmów</source>
        <translation>Potwierdzanie alarmów</translation>
    </message>
    <message>
        <source>Odkładanie alarmów</source>
        <translation>Odkładanie alarmów</translation>
    </message>
    <message>
        <source>Dodawanie komentarzy</source>
        <translation>Dodawanie komentarzy</translation>
    </message>
    <message>
        <source>Zmiana listy sterowników</source>
        <translation>Zmiana listy sterowników</translation>
    </message>
    <message>
        <source>Zapis wartości z edytora sterownika</source>
        <translation>Zapis wartości z edytora sterownika</translation>
    </message>
    <message>
        <source>Zmiana drzewa elementów</source>
        <translation>Zmiana drzewa elementów</translation>
    </message>
    <message>
        <source>Zmiana schematu</source>
        <translation>Zmiana schematu</translation>
    </message>
    <message>
        <source>Edycja pliku QML</source>
        <translation>Edycja pliku QML</translation>
    </message>
    <message>
        <source>Zmiana monitorowania</source>
        <translation>Zmiana monitorowania</translation>
    </message>
    <message>
        <source>Zapis projektu</source>
        <translation>Zapis projektu</translation>
    </message>
    <message>
        <source>Wyłączanie alarmów z obsługi i włączanie ich z powrotem</source>
        <translation>Wyłączanie alarmów z obsługi i włączanie ich z powrotem</translation>
    </message>
    <message>
        <source>Zarządzanie użytkownikami</source>
        <translation>Zarządzanie użytkownikami</translation>
    </message>
    <message>
        <source>%1 wymaga roli „%2”.</source>
        <translation>%1 wymaga roli „%2”.</translation>
    </message>
    <message>
        <source>%1 wymaga roli „%2” lub wyższej.</source>
        <translation>%1 wymaga roli „%2” lub wyższej.</translation>
    </message>
</context>
<context>
    <name>UserEditDialog</name>
    <message>
        <source>Nazwa (login):</source>
        <translation>Nazwa (login):</translation>
    </message>
    <message>
        <source>Imię i nazwisko:</source>
        <translation>Imię i nazwisko:</translation>
    </message>
    <message>
        <source>Rola:</source>
        <translation>Rola:</translation>
    </message>
    <message>
        <source>Hasło:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Powtórz hasło:</source>
        <translation>Powtórz hasło:</translation>
    </message>
    <message>
        <source>Nowy użytkownik</source>
        <translation>Nowy użytkownik</translation>
    </message>
    <message>
        <source>Użytkownik %1</source>
        <translation>Użytkownik %1</translation>
    </message>
    <message>
        <source>Pierwszy użytkownik musi być administratorem: tylko on może zarządzać użytkownikami.</source>
        <translation>Pierwszy użytkownik musi być administratorem: tylko on może zarządzać użytkownikami.</translation>
    </message>
    <message>
        <source>Żaden administrator nie może się zalogować: nowy użytkownik musi być administratorem.</source>
        <translation>Żaden administrator nie może się zalogować: nowy użytkownik musi być administratorem.</translation>
    </message>
    <message>
        <source>Zapisany skrót hasła jest uszkodzony: nadaj nowe hasło, aby można było się zalogować.</source>
        <translation>Zapisany skrót hasła jest uszkodzony: nadaj nowe hasło, aby można było się zalogować.</translation>
    </message>
    <message>
        <source>Pozostaw pola hasła puste, aby go nie zmieniać.</source>
        <translation>Pozostaw pola hasła puste, aby go nie zmieniać.</translation>
    </message>
    <message>
        <source>%1 (nieznana)</source>
        <translation>%1 (nieznana)</translation>
    </message>
    <message>
        <source>Nazwa użytkownika nie może być pusta ani zawierać spacji.</source>
        <translation>Nazwa użytkownika nie może być pusta ani zawierać spacji.</translation>
    </message>
    <message>
        <source>Użytkownik o nazwie %1 już jest.</source>
        <translation>Użytkownik o nazwie %1 już jest.</translation>
    </message>
    <message>
        <source>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami. Najpierw nadaj tę rolę komuś innemu.</source>
        <translation>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami. Najpierw nadaj tę rolę komuś innemu.</translation>
    </message>
    <message>
        <source>Hasła się różnią.</source>
        <translation>Hasła się różnią.</translation>
    </message>
    <message>
        <source>Hasło musi mieć co najmniej %1 znaków.</source>
        <translation>Hasło musi mieć co najmniej %1 znaków.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>UserRoles</name>
    <message>
        <source>obserwator</source>
        <translation>obserwator</translation>
    </message>
    <message>
        <source>operator</source>
        <translation>operator</translation>
    </message>
    <message>
        <source>inżynier</source>
        <translation>inżynier</translation>
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
        <translation>Zalogowany użytkownik %1 ma rolę „%2”.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku użytkowników: nikt nie może się zalogować.</source>
        <translation>Nie udało się odczytać pliku użytkowników: nikt nie może się zalogować.</translation>
    </message>
    <message>
        <source>Nikt nie jest zalogowany.</source>
        <translation>Nikt nie jest zalogowany.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Użytkownicy</source>
        <translation>Użytkownicy</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Imię i nazwisko</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Rola</source>
        <translation>Rola</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Dodaj…</source>
        <translation>Dodaj…</translation>
    </message>
    <message>
        <source>Edytuj…</source>
        <translation>Edytuj…</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>bez nazwy</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>nieznana rola</source>
        <translation>nieznana rola</translation>
    </message>
    <message>
        <source>uszkodzony skrót hasła</source>
        <translation>uszkodzony skrót hasła</translation>
    </message>
    <message>
        <source>powtórzona nazwa</source>
        <translation>powtórzona nazwa</translation>
    </message>
    <message>
        <source>Wcześniejszy wpis ma tę nazwę: to na niego się loguje.</source>
        <translation>Wcześniejszy wpis ma tę nazwę: to na niego się loguje.</translation>
    </message>
    <message>
        <source>Wpis jest uszkodzony: nie można się na niego zalogować.</source>
        <translation>Wpis jest uszkodzony: nie można się na niego zalogować.</translation>
    </message>
    <message>
        <source>Nie ma użytkowników: każdy może wszystko, bez logowania. Pierwszy dodany użytkownik będzie administratorem.</source>
        <translation>Nie ma użytkowników: każdy może wszystko, bez logowania. Pierwszy dodany użytkownik będzie administratorem.</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami.</source>
        <translation>%1 jest ostatnim administratorem: bez niego nikt nie mógłby zarządzać użytkownikami.</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Usunąć użytkownika %1?</source>
        <translation>Usunąć użytkownika %1?</translation>
    </message>
</context>
<context>
    <name>VariableCatalogRequest</name>
    <message>
        <source>Odczytuję zmienne sterownika </source>
        <translation>Odczytuję zmienne sterownika </translation>
    </message>
</context>
<context>
    <name>XmlSave</name>
    <message>
        <source>nie jest zwykłym plikiem, nie zostanie nadpisany</source>
        <translation>nie jest zwykłym plikiem, nie zostanie nadpisany</translation>
    </message>
</context>
<context>
    <name>deviceAddEdit</name>
    <message>
        <source>Dodaj / Edytuj Urządzenie</source>
        <translation>Dodaj / Edytuj Urządzenie</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Adres sterownika: </source>
        <translation>Adres sterownika: </translation>
    </message>
    <message>
        <source>Opis: </source>
        <translation>Opis: </translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <source>Adres MAC: </source>
        <translation>Adres MAC: </translation>
    </message>
    <message>
        <source>Numer seryjny: </source>
        <translation>Numer seryjny: </translation>
    </message>
    <message>
        <source>Wersja oprogramowania: </source>
        <translation>Wersja oprogramowania: </translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Wykres</source>
        <translation>Wykres</translation>
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
        <translation>Odczytuje dane: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Odczytuje dane...</source>
        <translation>Odczytuje dane...</translation>
    </message>
    <message>
        <source>Brak połączenia ze sterownikiem</source>
        <translation>Brak połączenia ze sterownikiem</translation>
    </message>
    <message>
        <source>Nowa wartośc: </source>
        <translation>Nowa wartośc: </translation>
    </message>
    <message>
        <source>Podaj nową wartość: </source>
        <translation>Podaj nową wartość: </translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Wszystkie pola muszą być wypełnione</source>
        <translation>Wszystkie pola muszą być wypełnione</translation>
    </message>
    <message>
        <source>Brak uprawnień</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>deviceManagement</name>
    <message>
        <source>Zarządzanie sterownikami</source>
        <translation>Zarządzanie sterownikami</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Adres sterownika</source>
        <translation>Adres sterownika</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Dodaj sterownik</source>
        <translation>Dodaj sterownik</translation>
    </message>
    <message>
        <source>Usuń sterownik</source>
        <translation>Usuń sterownik</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Potwierdzenie</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Napewno chcesz usunąć sterownik z listy ?</source>
        <translation>Napewno chcesz usunąć sterownik z listy ?</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Znaleziono dwa elementy z tym samym ID</source>
        <translation>Znaleziono dwa elementy z tym samym ID</translation>
    </message>
</context>
<context>
    <name>listItemAddEdit</name>
    <message>
        <source>Dodaj / edytuj wartość</source>
        <translation>Dodaj / edytuj wartość</translation>
    </message>
    <message>
        <source>Wartość: </source>
        <translation>Wartość: </translation>
    </message>
    <message>
        <source>Opis: </source>
        <translation>Opis: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Podana wartość została już przypisana, proszę wprowadzić inną wartość.</source>
        <translation>Podana wartość została już przypisana, proszę wprowadzić inną wartość.</translation>
    </message>
</context>
<context>
    <name>schemeAddEdit</name>
    <message>
        <source>bez przerwy</source>
        <translation>bez przerwy</translation>
    </message>
    <message>
        <source>Dodaj / Edytuj Schemat</source>
        <translation>Dodaj / Edytuj Schemat</translation>
    </message>
    <message>
        <source>Typ obiektu: </source>
        <translation>Typ obiektu: </translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Schemat</translation>
    </message>
    <message>
        <source>Nazwa: </source>
        <translation>Nazwa: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Plik QML: </source>
        <translation>Plik QML: </translation>
    </message>
    <message>
        <source>Okres aktualizacji: </source>
        <translation>Okres aktualizacji: </translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Element o podanej nazwie już istnieje</source>
        <translation>Element o podanej nazwie już istnieje</translation>
    </message>
</context>
<context>
    <name>schemeVariables</name>
    <message>
        <source>bez przerwy</source>
        <translation>bez przerwy</translation>
    </message>
    <message>
        <source>Edycja schematu</source>
        <translation>Edycja schematu</translation>
    </message>
    <message>
        <source>Ogólne</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Typ obiektu: </source>
        <translation>Typ obiektu: </translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Schemat</source>
        <translation>Schemat</translation>
    </message>
    <message>
        <source>Nazwa: </source>
        <translation>Nazwa: </translation>
    </message>
    <message>
        <source>ID: </source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>Plik QML: </source>
        <translation>Plik QML: </translation>
    </message>
    <message>
        <source>Okres aktualizacji: </source>
        <translation>Okres aktualizacji: </translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Odczyt</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Nazwa w sterowniku</source>
        <translation>Nazwa w sterowniku</translation>
    </message>
    <message>
        <source>Nazwa w schemacie</source>
        <translation>Nazwa w schemacie</translation>
    </message>
    <message>
        <source>Id sterownika</source>
        <translation>Id sterownika</translation>
    </message>
    <message>
        <source>Zapis</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>schemesManagement</name>
    <message>
        <source>Drzewo elementów</source>
        <translation>Drzewo elementów</translation>
    </message>
    <message>
        <source>Dodaj grupę lub schemat</source>
        <translation>Dodaj grupę lub schemat</translation>
    </message>
    <message>
        <source>Usuń z poddrzewem</source>
        <translation>Usuń z poddrzewem</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Znaleziono dwa elementy z tym samym ID</source>
        <translation>Znaleziono dwa elementy z tym samym ID</translation>
    </message>
</context>
<context>
    <name>setValue</name>
    <message>
        <source>Ustaw wartość: </source>
        <translation>Ustaw wartość: </translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Sterownik zapisuje tylko znaki ISO 8859-1; inne zamieniłby na „?”. Nie można wysłać wartości pola </source>
        <translation>Sterownik zapisuje tylko znaki ISO 8859-1; inne zamieniłby na „?”. Nie można wysłać wartości pola </translation>
    </message>
    <message>
        <source> (nie odczytano)</source>
        <translation> (nie odczytano)</translation>
    </message>
</context>
<context>
    <name>variableAddEdit</name>
    <message>
        <source>Dodaj / Edytuj Zmienną</source>
        <translation>Dodaj / Edytuj Zmienną</translation>
    </message>
    <message>
        <source>ID sterownika: </source>
        <translation>ID sterownika: </translation>
    </message>
    <message>
        <source>Nazwa w sterowniku: </source>
        <translation>Nazwa w sterowniku: </translation>
    </message>
    <message>
        <source>Nazwa w schemacie: </source>
        <translation>Nazwa w schemacie: </translation>
    </message>
    <message>
        <source>Typ zmiennej: </source>
        <translation>Typ zmiennej: </translation>
    </message>
    <message>
        <source>Całkowita</source>
        <translation>Całkowita</translation>
    </message>
    <message>
        <source>Rrzeczywista</source>
        <translation>Rrzeczywista</translation>
    </message>
    <message>
        <source>Logiczna</source>
        <translation>Logiczna</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Procentowa</source>
        <translation>Procentowa</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Sterownik </source>
        <translation>Sterownik </translation>
    </message>
    <message>
        <source> nie odpowiada</source>
        <translation> nie odpowiada</translation>
    </message>
</context>
</TS>
