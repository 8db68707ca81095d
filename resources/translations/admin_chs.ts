<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>SystemUpgradeProgressDialog</name>
    <message>
        <source>Select a firmware file to upgrade</source>
        <translation>选择要升级的固件文件</translation>
    </message>
    <message>
        <source>img file</source>
        <translation>img 文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系统升级</translation>
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
        <translation>开始</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
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
        <translation>测试</translation>
    </message>
    <message>
        <source>Aging Test</source>
        <translation>老化测试</translation>
    </message>
    <message>
        <source>IC Detect</source>
        <translation>芯片检测</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>+48V</source>
        <translation>+48V</translation>
    </message>
</context>
</TS>
