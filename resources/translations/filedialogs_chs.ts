<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LabelDialog</name>
    <message>
        <source>lbl file</source>
        <translation>lbl 文件</translation>
    </message>
    <message>
        <source>The input label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>输入标签的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>The output label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>输出标签的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>The touch screen label&apos;s length can not be greater than 10 bytes, please enter again!</source>
        <translation>触摸屏标签的长度不能大于10个字节，请重新输入！</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Select a label file to import</source>
        <translation>选择要导入的标签文件</translation>
    </message>
    <message>
        <source>Import completed!</source>
        <translation>导入完成！</translation>
    </message>
    <message>
        <source>Save all labels as</source>
        <translation>全部标签另存为</translation>
    </message>
    <message>
        <source>Export completed!</source>
        <translation>导出完成！</translation>
    </message>
    <message>
        <source>Input Label</source>
        <translation>输入标签</translation>
    </message>
    <message>
        <source>Output Label</source>
        <translation>输出标签</translation>
    </message>
    <message>
        <source>Touch Screen Label</source>
        <translation>触摸屏标签</translation>
    </message>
    <message>
        <source>Import All</source>
        <translation>全部导入</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>全部导出</translation>
    </message>
</context>
<context>
    <name>PresetDialog</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>The preset name&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>预设名称的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Are you sure that you want to save current settings to preset </source>
        <translation>确定要将当前设置保存到预设 </translation>
    </message>
    <message>
        <source>Are you sure that you want to load preset </source>
        <translation>确定要加载预设 </translation>
    </message>
    <message>
        <source>Are you sure that you want to delete preset </source>
        <translation>确定要删除预设 </translation>
    </message>
    <message>
        <source>Save all presets as</source>
        <translation>全部预设另存为</translation>
    </message>
    <message>
        <source>Save preset as</source>
        <translation>预设另存为</translation>
    </message>
    <message>
        <source>pstl file</source>
        <translation>pstl 文件</translation>
    </message>
    <message>
        <source>pst file</source>
        <translation>pst 文件</translation>
    </message>
    <message>
        <source>Select a preset file to import</source>
        <translation>选择要导入的预设文件</translation>
    </message>
    <message>
        <source>Exporting All...</source>
        <translation>正在全部导出...</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>正在导出...</translation>
    </message>
    <message>
        <source>Import All...</source>
        <translation>正在全部导入...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>正在导入...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Import All</source>
        <translation>全部导入</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>全部导出</translation>
    </message>
</context>
</TS>
