<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ParameterMirror</name>
    <message>
        <source>IN %1</source>
        <translation>輸入 %1</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>輸出 %1</translation>
    </message>
    <message>
        <source>USB Play</source>
        <translation>USB 播放</translation>
    </message>
    <message>
        <source>USB Rec</source>
        <translation>USB 錄音</translation>
    </message>
    <message>
        <source>RX %1</source>
        <translation>接收 %1</translation>
    </message>
    <message>
        <source>TX %1</source>
        <translation>傳送 %1</translation>
    </message>
</context>
</TS>
