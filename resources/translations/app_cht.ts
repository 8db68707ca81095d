<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DeviceVersionSelectionDialog</name>
    <message>
        <source>Device Version Selection</source>
        <translation>裝置版本選擇</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Analog Input</source>
        <translation>類比輸入</translation>
    </message>
    <message>
        <source>Analog Output</source>
        <translation>類比輸出</translation>
    </message>
    <message>
        <source>Dante Input</source>
        <translation>Dante 輸入</translation>
    </message>
    <message>
        <source>Dante Output</source>
        <translation>Dante 輸出</translation>
    </message>
    <message>
        <source>USB Rec/Play</source>
        <translation>USB 錄放</translation>
    </message>
    <message>
        <source>Show at startup</source>
        <translation>啟動時顯示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>Processors on the local network appear here.</source>
        <translation>區域網路上的處理器會顯示在此。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概覽</translation>
    </message>
    <message>
        <source>Select a device to edit its processing.</source>
        <translation>請選擇一台裝置以編輯其處理參數。</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading</source>
        <translation>載入中</translation>
    </message>
    <message>
        <source>App Version</source>
        <translation>軟體版本</translation>
    </message>
</context>
<context>
    <name>SystemSettings</name>
    <message>
        <source>Digital Audio Processor S</source>
        <translation>数字音频处理器</translation>
    </message>
    <message>
        <source>Digital Audio Processor T</source>
        <translation>數位音訊處理器</translation>
    </message>
</context>
</TS>
