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
<context>
    <name>LabelFile</name>
    <message>
        <source>File is error!</source>
        <translation>文件错误！</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>导出失败！</translation>
    </message>
</context>
<context>
    <name>PresetExport</name>
    <message>
        <source>Export failed!</source>
        <translation>导出失败！</translation>
    </message>
</context>
<context>
    <name>PresetImport</name>
    <message>
        <source>File format is error!</source>
        <translation>文件格式错误！</translation>
    </message>
    <message>
        <source>Import failed!</source>
        <translation>导入失败！</translation>
    </message>
</context>
</TS>
