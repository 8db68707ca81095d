<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>SystemUpgradeProgressDialog</name>
    <message>
        <source>Select a firmware file to upgrade</source>
        <translation>選擇要升級的韌體檔案</translation>
    </message>
    <message>
        <source>img file</source>
        <translation>img 檔案</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系統升級</translation>
    </message>
</context>
<context>
    <name>TestDialog</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>%1 ℃</source>
        <translation>%1 ℃</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Aging Test</source>
        <translation>老化測試</translation>
    </message>
    <message>
        <source>IC Detect</source>
        <translation>晶片檢測</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>溫度</translation>
    </message>
    <message>
        <source>+48V</source>
        <translation>+48V</translation>
    </message>
</context>
</TS>
