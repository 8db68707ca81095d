<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>Control application for the digital audio processor.</source>
        <translation>數位音訊處理器控制程式。</translation>
    </message>
    <message>
        <source>Connect at start to the processor with this IPv4 address; it is added to the device list when it is not there yet.</source>
        <translation>啟動時連線到此 IPv4 位址的處理器；若裝置清單中沒有該裝置則自動加入。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>多餘的參數：%1</translation>
    </message>
    <message>
        <source>Not an IPv4 address: %1</source>
        <translation>不是 IPv4 位址：%1</translation>
    </message>
</context>
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
    <name>MainMenuBar</name>
    <message>
        <source>Need to restart the application to take effect, are you sure that you want to restart now?</source>
        <translation>需要重新啟動應用程式才能生效，確定現在重新啟動嗎？</translation>
    </message>
    <message>
        <source>Disabling high DPI scaling and the application will keep the default size.</source>
        <translation>停用高 DPI 縮放後，應用程式將保持預設尺寸。</translation>
    </message>
    <message>
        <source>Restart to take effect</source>
        <translation>重新啟動生效</translation>
    </message>
    <message>
        <source>Restart immediately to take effect</source>
        <translation>立即重新啟動生效</translation>
    </message>
    <message>
        <source>No, take effect at next startup</source>
        <translation>否，下次啟動時生效</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Rec/Play</source>
        <translation>錄音/播放</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Device Setup</source>
        <translation>裝置設定</translation>
    </message>
    <message>
        <source>GPIO Setup</source>
        <translation>GPIO 設定</translation>
    </message>
    <message>
        <source>Dante Setup</source>
        <translation>Dante 設定</translation>
    </message>
    <message>
        <source>Device Version Selection</source>
        <translation>裝置版本選擇</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系統升級</translation>
    </message>
    <message>
        <source>System Reset</source>
        <translation>系統重設</translation>
    </message>
    <message>
        <source>Command Assistant</source>
        <translation>指令助手</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
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
        <translation>介面顏色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>High DPI Scaling</source>
        <translation>高 DPI 縮放</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>App Version</source>
        <translation>軟體版本</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Codec</source>
        <translation>編解碼器</translation>
    </message>
    <message>
        <source>Found fault :</source>
        <translation>發現故障：</translation>
    </message>
    <message>
        <source>See the Device Setup page for details.</source>
        <translation>詳情請查看裝置設定頁面。</translation>
    </message>
    <message>
        <source>Restore the factory settings will delete all user data!</source>
        <translation>恢復出廠設定將刪除所有使用者資料！</translation>
    </message>
    <message>
        <source>Are you sure that you want to reformat the disk and erase all data?</source>
        <translation>確定要重新格式化磁碟並清除所有資料嗎？</translation>
    </message>
    <message>
        <source>System Reset</source>
        <translation>系統重設</translation>
    </message>
    <message>
        <source>Device Fault</source>
        <translation>裝置故障</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Settings and Device List</source>
        <translation>設定與裝置列表</translation>
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
</TS>
