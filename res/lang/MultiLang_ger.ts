<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MultiLang</name>
    <message>
        <source>100</source>
        <extracomment>OLE 初始化失败。请确保 OLE 库是正确的版本。</extracomment>
        <translation>OLE konnte nicht initialisiert werden. Bitte prüfen Sie die Version der OLE-Bibliotheken.</translation>
    </message>
    <message>
        <source>125</source>
        <extracomment>Customize...</extracomment>
        <translation>Anpassen...</translation>
    </message>
    <message>
        <source>306</source>
        <extracomment>Edit</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>500</source>
        <extracomment>Varnel Anti-Snoring Pillow Data Monitor Tool - v1.8.1</extracomment>
        <translation>Varnel Anti-Schnarch-Kissen Datenmonitor - v1.8.1</translation>
    </message>
    <message>
        <source>501</source>
        <extracomment>START</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>502</source>
        <extracomment>Recording Schedule</extracomment>
        <translation>Aufnahmeplan</translation>
    </message>
    <message>
        <source>503</source>
        <extracomment>START Time</extracomment>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>504</source>
        <extracomment>START Date</extracomment>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>505</source>
        <extracomment>END Time(Per day)</extracomment>
        <translation>Endzeit (pro Tag)</translation>
    </message>
    <message>
        <source>506</source>
        <extracomment>END Date</extracomment>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>507</source>
        <extracomment>REMARKS</extracomment>
        <translation>BEMERKUNGEN</translation>
    </message>
    <message>
        <source>508</source>
        <extracomment>LIVE ACTION MONITOR</extracomment>
        <translation>LIVE-AKTIONSMONITOR</translation>
    </message>
    <message>
        <source>509</source>
        <extracomment>LIVE SNORING MONITOR</extracomment>
        <translation>LIVE-SCHNARCHMONITOR</translation>
    </message>
    <message>
        <source>510</source>
        <extracomment>Heavy snoring</extracomment>
        <translation>Starkes Schnarchen</translation>
    </message>
    <message>
        <source>511</source>
        <extracomment>Significant snoring</extracomment>
        <translation>Deutliches Schnarchen</translation>
    </message>
    <message>
        <source>512</source>
        <extracomment>Moderate to significant snoring</extracomment>
        <translation>Mäßiges bis deutliches Schnarchen</translation>
    </message>
    <message>
        <source>513</source>
        <extracomment>Moderate snoring</extracomment>
        <translation>Mäßiges Schnarchen</translation>
    </message>
    <message>
        <source>514</source>
        <extracomment>Light snoring</extracomment>
        <translation>Leichtes Schnarchen</translation>
    </message>
    <message>
        <source>515</source>
        <extracomment>No snoring</extracomment>
        <translation>Kein Schnarchen</translation>
    </message>
    <message>
        <source>516</source>
        <extracomment>LIVE SENSOR MONITOR</extracomment>
        <translation>LIVE-SENSORMONITOR</translation>
    </message>
    <message>
        <source>517</source>
        <extracomment>Data Analysis</extracomment>
        <translation>Datenanalyse</translation>
    </message>
    <message>
        <source>518</source>
        <extracomment>USB connection is not established ,recording can not be launched</extracomment>
        <translation>Keine USB-Verbindung, die Aufnahme kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>519</source>
        <extracomment>Recording</extracomment>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>520</source>
        <extracomment>Remaining Recording Time</extracomment>
        <translation>Verbleibende Aufnahmezeit</translation>
    </message>
    <message>
        <source>521</source>
        <extracomment>Time left until START Recording</extracomment>
        <translation>Zeit bis zum Aufnahmestart</translation>
    </message>
    <message>
        <source>522</source>
        <extracomment>STOP</extracomment>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>523</source>
        <extracomment>USB connection is failed at time</extracomment>
        <translation>USB-Verbindung unterbrochen um</translation>
    </message>
    <message>
        <source>524</source>
        <extracomment>The scheduled end date shall not be ealier than the start date,please check the filled date before launching the schedule!</extracomment>
        <translation>Das geplante Enddatum darf nicht vor dem Startdatum liegen. Bitte prüfen Sie die Daten, bevor Sie den Plan starten!</translation>
    </message>
    <message>
        <source>525</source>
        <extracomment>The scheduled date expires and the schedule will never happen, please check the filled date before launching the schedule!</extracomment>
        <translation>Der geplante Zeitraum ist abgelaufen, der Plan würde nie ausgeführt. Bitte prüfen Sie die Daten, bevor Sie den Plan starten!</translation>
    </message>
    <message>
        <source>526</source>
        <extracomment>No recording file is associated, please input file firstly!</extracomment>
        <translation>Keine Aufnahmedatei angegeben, bitte zuerst eine Datei eingeben!</translation>
    </message>
    <message>
        <source>527</source>
        <extracomment>Varnel Anti-Snoring Pillow Data Analysis Tool - v1.8.1</extracomment>
        <translation>Varnel Anti-Schnarch-Kissen Datenanalyse - v1.8.1</translation>
    </message>
    <message>
        <source>528</source>
        <extracomment>Snoring</extracomment>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>529</source>
        <extracomment>Level</extracomment>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>530</source>
        <extracomment>Head</extracomment>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>531</source>
        <extracomment>Position</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>532</source>
        <extracomment>Pillow</extracomment>
        <translation>Kissen</translation>
    </message>
    <message>
        <source>533</source>
        <extracomment>Action</extracomment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>535</source>
        <extracomment>Night Recording Selection</extracomment>
        <translation>Nachtaufnahme</translation>
    </message>
    <message>
        <source>536</source>
        <extracomment>End Time(next)</extracomment>
        <translation>Endzeit (nächste)</translation>
    </message>
    <message>
        <source>537</source>
        <extracomment>Total Actual Snoring Time</extracomment>
        <translation>Tatsächliche Schnarchzeit</translation>
    </message>
    <message>
        <source>538</source>
        <extracomment>Total Pillow Action Time</extracomment>
        <translation>Gesamte Kissenaktionszeit</translation>
    </message>
    <message>
        <source>541</source>
        <extracomment>Effectiveness</extracomment>
        <translation>Wirksamkeit</translation>
    </message>
    <message>
        <source>543</source>
        <extracomment>Print</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>544</source>
        <extracomment>Back</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>545</source>
        <extracomment>Explanation</extracomment>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>546</source>
        <extracomment>OK</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>547</source>
        <extracomment>Information</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>548</source>
        <extracomment>recording quit</extracomment>
        <translation>Aufnahme beendet</translation>
    </message>
</context>
</TS>
