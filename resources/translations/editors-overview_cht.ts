<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>MeterDialog</name>
    <message>
        <source>Meter</source>
        <translation>電平表</translation>
    </message>
    <message>
        <source>Input Pre Fader</source>
        <translation>輸入推子前</translation>
    </message>
    <message>
        <source>Input Post Fader</source>
        <translation>輸入推子後</translation>
    </message>
    <message>
        <source>Output Pre Fader</source>
        <translation>輸出推子前</translation>
    </message>
    <message>
        <source>Output Post Fader</source>
        <translation>輸出推子後</translation>
    </message>
</context>
<context>
    <name>MeterGroup</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>錄音</translation>
    </message>
</context>
<context>
    <name>OverviewWidget</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未連線</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>ARM Version :</source>
        <translation>ARM 版本：</translation>
    </message>
    <message>
        <source>DSP Version :</source>
        <translation>DSP 版本：</translation>
    </message>
    <message>
        <source>Dante Support :</source>
        <translation>Dante 支援：</translation>
    </message>
    <message>
        <source>Dante Connect Status :</source>
        <translation>Dante 連線狀態：</translation>
    </message>
    <message>
        <source>DSP Usage :</source>
        <translation>DSP 使用率：</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>序號：</translation>
    </message>
    <message>
        <source>System Mute</source>
        <translation>系統靜音</translation>
    </message>
</context>
</TS>
