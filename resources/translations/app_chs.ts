<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Control application for the digital audio processor.</source>
        <translation>数字音频处理器控制程序。</translation>
    </message>
    <message>
        <source>Connect at start to the processor with this IPv4 address; it is added to the device list when it is not there yet.</source>
        <translation>启动时连接到此 IPv4 地址的处理器；若设备列表中没有该设备则自动添加。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>多余的参数：%1</translation>
    </message>
    <message>
        <source>Not an IPv4 address: %1</source>
        <translation>不是 IPv4 地址：%1</translation>
    </message>
</context>
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
    <name>MainMenuBar</name>
    <message>
        <source>Need to restart the application to take effect, are you sure that you want to restart now?</source>
        <translation>需要重启应用程序才能生效，确定现在重启吗？</translation>
    </message>
    <message>
        <source>Disabling high DPI scaling and the application will keep the default size.</source>
        <translation>禁用高 DPI 缩放后，应用程序将保持默认尺寸。</translation>
    </message>
    <message>
        <source>Restart to take effect</source>
        <translation>重启生效</translation>
    </message>
    <message>
        <source>Restart immediately to take effect</source>
        <translation>立即重启生效</translation>
    </message>
    <message>
        <source>No, take effect at next startup</source>
        <translation>否，下次启动时生效</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Rec/Play</source>
        <translation>录音/播放</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Device Setup</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <source>GPIO Setup</source>
        <translation>GPIO 设置</translation>
    </message>
    <message>
        <source>Dante Setup</source>
        <translation>Dante 设置</translation>
    </message>
    <message>
        <source>Device Version Selection</source>
        <translation>设备版本选择</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系统升级</translation>
    </message>
    <message>
        <source>System Reset</source>
        <translation>系统复位</translation>
    </message>
    <message>
        <source>Command Assistant</source>
        <translation>指令助手</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>EN</source>
        <translation>English</translation>
    </message>
    <message>
        <source>CHS</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>CHT</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Interface Color</source>
        <translation>界面颜色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>High DPI Scaling</source>
        <translation>高 DPI 缩放</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>App Version</source>
        <translation>软件版本</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Codec</source>
        <translation>编解码器</translation>
    </message>
    <message>
        <source>Found fault :</source>
        <translation>发现故障：</translation>
    </message>
    <message>
        <source>See the Device Setup page for details.</source>
        <translation>详情请查看设备设置页面。</translation>
    </message>
    <message>
        <source>Restore the factory settings will delete all user data!</source>
        <translation>恢复出厂设置将删除所有用户数据！</translation>
    </message>
    <message>
        <source>Are you sure that you want to reformat the disk and erase all data?</source>
        <translation>确定要重新格式化磁盘并清除所有数据吗？</translation>
    </message>
    <message>
        <source>System Reset</source>
        <translation>系统复位</translation>
    </message>
    <message>
        <source>Device Fault</source>
        <translation>设备故障</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Settings and Device List</source>
        <translation>设置与设备列表</translation>
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
</TS>
