<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Upgrading...</source>
        <translation>正在升級...</translation>
    </message>
    <message>
        <source>Upgrade failed!</source>
        <translation>升級失敗！</translation>
    </message>
    <message>
        <source>File format is error!</source>
        <translation>檔案格式錯誤！</translation>
    </message>
    <message>
        <source>File is error!</source>
        <translation>檔案錯誤！</translation>
    </message>
</context>
<context>
    <name>LabelFile</name>
    <message>
        <source>File is error!</source>
        <translation>檔案錯誤！</translation>
    </message>
    <message>
        <source>Export failed!</source>
        <translation>匯出失敗！</translation>
    </message>
</context>
<context>
    <name>PresetExport</name>
    <message>
        <source>Export failed!</source>
        <translation>匯出失敗！</translation>
    </message>
</context>
<context>
    <name>PresetImport</name>
    <message>
        <source>File format is error!</source>
        <translation>檔案格式錯誤！</translation>
    </message>
    <message>
        <source>Import failed!</source>
        <translation>匯入失敗！</translation>
    </message>
</context>
</TS>
