<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Upgrading...</source>
        <translation>正在升级...</translation>
    </message>
    <message>
        <source>Upgrade failed!</source>
        <translation>升级失败！</translation>
    </message>
    <message>
        <source>File format is error!</source>
        <translation>文件格式错误！</translation>
    </message>
    <message>
        <source>File is error!</source>
        <translation>文件错误！</translation>
    </message>
</context>
</TS>
