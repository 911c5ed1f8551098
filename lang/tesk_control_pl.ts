<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="pl_PL">
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
    </context>
    <context>
        <name>MenuFile</name>
        <message>
            <source>identyfikator schematu nie jest poprawną nazwą pliku</source>
            <translation>identyfikator schematu nie jest poprawną nazwą pliku</translation>
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
    </context>
</TS>
