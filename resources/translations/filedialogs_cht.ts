<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>LabelDialog</name>
    <message>
        <source>lbl file</source>
        <translation>lbl 檔案</translation>
    </message>
    <message>
        <source>The input label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>輸入標籤的長度不能大於16個位元組，請重新輸入！</translation>
    </message>
    <message>
        <source>The output label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>輸出標籤的長度不能大於16個位元組，請重新輸入！</translation>
    </message>
    <message>
        <source>The touch screen label&apos;s length can not be greater than 10 bytes, please enter again!</source>
        <translation>觸控螢幕標籤的長度不能大於10個位元組，請重新輸入！</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Select a label file to import</source>
        <translation>選擇要匯入的標籤檔案</translation>
    </message>
    <message>
        <source>Import completed!</source>
        <translation>匯入完成！</translation>
    </message>
    <message>
        <source>Save all labels as</source>
        <translation>全部標籤另存為</translation>
    </message>
    <message>
        <source>Export completed!</source>
        <translation>匯出完成！</translation>
    </message>
    <message>
        <source>Input Label</source>
        <translation>輸入標籤</translation>
    </message>
    <message>
        <source>Output Label</source>
        <translation>輸出標籤</translation>
    </message>
    <message>
        <source>Touch Screen Label</source>
        <translation>觸控螢幕標籤</translation>
    </message>
    <message>
        <source>Import All</source>
        <translation>全部匯入</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>全部匯出</translation>
    </message>
</context>
<context>
    <name>PresetDialog</name>
    <message>
        <source>Loading</source>
        <translation>正在載入</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>The preset name&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>預設名稱的長度不能大於16個位元組，請重新輸入！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Are you sure that you want to save current settings to preset </source>
        <translation>確定要將目前設定儲存到預設 </translation>
    </message>
    <message>
        <source>Are you sure that you want to load preset </source>
        <translation>確定要載入預設 </translation>
    </message>
    <message>
        <source>Are you sure that you want to delete preset </source>
        <translation>確定要刪除預設 </translation>
    </message>
    <message>
        <source>Save all presets as</source>
        <translation>全部預設另存為</translation>
    </message>
    <message>
        <source>Save preset as</source>
        <translation>預設另存為</translation>
    </message>
    <message>
        <source>pstl file</source>
        <translation>pstl 檔案</translation>
    </message>
    <message>
        <source>pst file</source>
        <translation>pst 檔案</translation>
    </message>
    <message>
        <source>Select a preset file to import</source>
        <translation>選擇要匯入的預設檔案</translation>
    </message>
    <message>
        <source>Exporting All...</source>
        <translation>正在全部匯出...</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>正在匯出...</translation>
    </message>
    <message>
        <source>Import All...</source>
        <translation>正在全部匯入...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>正在匯入...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Import All</source>
        <translation>全部匯入</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>全部匯出</translation>
    </message>
</context>
</TS>
