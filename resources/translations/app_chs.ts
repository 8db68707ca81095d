<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceVersionSelectionDialog</name>
    <message>
        <source>Device Version Selection</source>
        <translation>设备版本选择</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Analog Input</source>
        <translation>模拟输入</translation>
    </message>
    <message>
        <source>Analog Output</source>
        <translation>模拟输出</translation>
    </message>
    <message>
        <source>Dante Input</source>
        <translation>Dante 输入</translation>
    </message>
    <message>
        <source>Dante Output</source>
        <translation>Dante 输出</translation>
    </message>
    <message>
        <source>USB Rec/Play</source>
        <translation>USB 录放</translation>
    </message>
    <message>
        <source>Show at startup</source>
        <translation>启动时显示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Processors on the local network appear here.</source>
        <translation>局域网中的处理器将显示在这里。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Select a device to edit its processing.</source>
        <translation>请选择一台设备以编辑其处理参数。</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>App Version</source>
        <translation>软件版本</translation>
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
