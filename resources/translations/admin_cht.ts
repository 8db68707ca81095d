<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ClearConfigDialog</name>
    <message>
        <source>Dante Setup</source>
        <translation>Dante設置</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear configuration and reboot now to take effect?</source>
        <translation>確定要清除配置並立即重啟使其生效嗎？</translation>
    </message>
    <message>
        <source>Keep Network Configuration</source>
        <translation>保留網絡配置</translation>
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
    <name>DanteSetupDialog</name>
    <message>
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>啟動</translation>
    </message>
    <message>
        <source>Initialising</source>
        <translation>初始化中</translation>
    </message>
    <message>
        <source>Faulty</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>偵聽</translation>
    </message>
    <message>
        <source>Pre-Master</source>
        <translation>預主時鐘</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>被動</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>未校準</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>從</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待機</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>型號名稱</translation>
    </message>
    <message>
        <source>Product Version</source>
        <translation>產品版本</translation>
    </message>
    <message>
        <source>Clock Status</source>
        <translation>時鐘狀態</translation>
    </message>
    <message>
        <source>Clock Source</source>
        <translation>時鐘源</translation>
    </message>
    <message>
        <source>Clock State</source>
        <translation>時鐘工作狀態</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>設備名稱</translation>
    </message>
    <message>
        <source>Device Latency</source>
        <translation>設備延時</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子網掩碼</translation>
    </message>
    <message>
        <source>DNS Server</source>
        <translation>DNS服務器</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>網關</translation>
    </message>
    <message>
        <source>Dante Internal</source>
        <translation>Dante內部</translation>
    </message>
    <message>
        <source>External</source>
        <translation>外部</translation>
    </message>
    <message>
        <source>Dante Setup</source>
        <translation>Dante設置</translation>
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
        <source>The device name&apos;s length can not be greater than 31 bytes, please enter again!</source>
        <translation>設備名稱的長度不能大於31個字節，請重新輸入！</translation>
    </message>
    <message>
        <source>Renaming a device breaks existing audio routes from this device to other devices.
Are you sure that you want to rename</source>
        <translation>重命名設備會斷開從此設備到其他設備的現有音頻路由。
確定要將</translation>
    </message>
    <message>
        <source>Changing device latency will interrupt existing audio routes to and from this device.</source>
        <translation>更改設備延時會中斷此設備現有的收發音頻路由。</translation>
    </message>
    <message>
        <source>Are you sure that you want to change the latency from</source>
        <translation>確定要將延時從</translation>
    </message>
    <message>
        <source>Are you sure that you want to reboot?</source>
        <translation>確定要重啟嗎？</translation>
    </message>
    <message>
        <source>Are you sure that you want to change the IP address configuration and reboot now to take effect?</source>
        <translation>確定要更改IP地址配置並立即重啟使其生效嗎？</translation>
    </message>
    <message>
        <source>The channel label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>通道標籤的長度不能大於16個字節，請重新輸入！</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>設備信息</translation>
    </message>
    <message>
        <source>Device Config</source>
        <translation>設備配置</translation>
    </message>
    <message>
        <source>Device Reset</source>
        <translation>設備復位</translation>
    </message>
    <message>
        <source>Receive Channel</source>
        <translation>接收通道</translation>
    </message>
    <message>
        <source>Transmit Channel</source>
        <translation>發送通道</translation>
    </message>
    <message>
        <source>Network Config</source>
        <translation>網絡配置</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重啟</translation>
    </message>
    <message>
        <source>Clear Config</source>
        <translation>清除配置</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Channel Label</source>
        <translation>通道標籤</translation>
    </message>
    <message>
        <source>Connected to</source>
        <translation>連接到</translation>
    </message>
    <message>
        <source>Obtain an IP Address Automatically</source>
        <translation>自動獲取IP地址</translation>
    </message>
    <message>
        <source>Manually configure an IP Address</source>
        <translation>手動配置IP地址</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>應用</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>* Please use the official software Dante Controller for Dante routing.</source>
        <translation>* 請使用官方軟件 Dante Controller 進行Dante路由。</translation>
    </message>
    <message>
        <source>Click to download Dante Controller</source>
        <translation>點擊下載 Dante Controller</translation>
    </message>
    <message>
        <source>to</source>
        <comment>rename the device to</comment>
        <translation>重命名為</translation>
    </message>
    <message>
        <source>to</source>
        <comment>change the latency to</comment>
        <translation>更改為</translation>
    </message>
</context>
<context>
    <name>DeviceSetupDialog</name>
    <message>
        <source>Device Model</source>
        <translation>設備型號</translation>
    </message>
    <message>
        <source>DSP Version</source>
        <translation>DSP版本</translation>
    </message>
    <message>
        <source>ARM Version</source>
        <translation>ARM版本</translation>
    </message>
    <message>
        <source>Code ID</source>
        <translation>代碼ID</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列號</translation>
    </message>
    <message>
        <source>Boot Count</source>
        <translation>啟動次數</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>溫度</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>運行時間</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>總時間</translation>
    </message>
    <message>
        <source>USB Status</source>
        <translation>USB狀態</translation>
    </message>
    <message>
        <source>Channel Config</source>
        <translation>通道配置</translation>
    </message>
    <message>
        <source>Dante Support</source>
        <translation>支持Dante</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>設備狀態</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>編解碼器</translation>
    </message>
    <message>
        <source>Device Voltage</source>
        <translation>設備電壓</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>設備ID</translation>
    </message>
    <message>
        <source>Device Location</source>
        <translation>設備位置</translation>
    </message>
    <message>
        <source>Device Description</source>
        <translation>設備描述</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子網掩碼</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>網關</translation>
    </message>
    <message>
        <source>Gate Report</source>
        <translation>門限上報</translation>
    </message>
    <message>
        <source>USB Auto Play</source>
        <translation>USB自動播放</translation>
    </message>
    <message>
        <source>Data Sync(Dual backup)</source>
        <translation>數據同步(雙機備份)</translation>
    </message>
    <message>
        <source>Master IP Address</source>
        <translation>主機IP地址</translation>
    </message>
    <message>
        <source>Fan Test</source>
        <translation>風扇測試</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Admin Password Setting</source>
        <translation>管理員密碼設置</translation>
    </message>
    <message>
        <source>Login Password Setting</source>
        <translation>登錄密碼設置</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Inserted</source>
        <translation>已插入</translation>
    </message>
    <message>
        <source>Not inserted</source>
        <translation>未插入</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Not Sync</source>
        <translation>未同步</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>同步中</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>已同步</translation>
    </message>
    <message>
        <source>IN %1</source>
        <translation>輸入 %1</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>輸出 %1</translation>
    </message>
    <message>
        <source>User Password Setting</source>
        <translation>用戶密碼設置</translation>
    </message>
    <message>
        <source>Password set successfully!</source>
        <translation>密碼設置成功！</translation>
    </message>
    <message>
        <source>Password setting failed!</source>
        <translation>密碼設置失敗！</translation>
    </message>
    <message>
        <source>Device Setup</source>
        <translation>設備設置</translation>
    </message>
    <message>
        <source>The device location&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>設備位置的長度不能大於16個字節，請重新輸入！</translation>
    </message>
    <message>
        <source>The device description&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>設備描述的長度不能大於16個字節，請重新輸入！</translation>
    </message>
    <message>
        <source>The IP address&apos;s format is error, please enter again!</source>
        <translation>IP地址格式錯誤，請重新輸入！</translation>
    </message>
    <message>
        <source>The subnet netmask&apos;s format is error, please enter again!</source>
        <translation>子網掩碼格式錯誤，請重新輸入！</translation>
    </message>
    <message>
        <source>The gateway address&apos;s format is error, please enter again!</source>
        <translation>網關地址格式錯誤，請重新輸入！</translation>
    </message>
    <message>
        <source>The two passwords you entered are different, please enter again!</source>
        <translation>兩次輸入的密碼不一致，請重新輸入！</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>設備信息</translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation>常規設置</translation>
    </message>
    <message>
        <source>Volume Limit</source>
        <translation>音量限制</translation>
    </message>
    <message>
        <source>Level Pre Mix</source>
        <translation>混音前電平</translation>
    </message>
    <message>
        <source>Out Level</source>
        <translation>輸出電平</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source> Baud Rate</source>
        <translation> 波特率</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>On Boot</source>
        <translation>開機時</translation>
    </message>
    <message>
        <source>After Inserting Udisk</source>
        <translation>插入U盤後</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>從</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <source>Fan trigger instructions:
The cooling fan of the machine is temperature controlled and automatically turns on.
When the temperature is greater than or equal to 30℃, the fan automatically turns on.
When the temperature is less than or equal to 27℃, the fan automatically turns off.</source>
        <translation>風扇觸發說明：
本機散熱風扇由溫度控制，自動開啟。
當溫度大於或等於30℃時，風扇自動開啟。
當溫度小於或等於27℃時，風扇自動關閉。</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>管理員密碼</translation>
    </message>
    <message>
        <source>Login Password</source>
        <translation>登錄密碼</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>用戶密碼</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設置</translation>
    </message>
</context>
<context>
    <name>GPIOSetupDialog</name>
    <message>
        <source>GPIO Setup</source>
        <translation>GPIO 設定</translation>
    </message>
    <message>
        <source>GPIO</source>
        <translation>GPIO</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>調用預設</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>參數</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>New Password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>確認密碼</translation>
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
    <name>RecPlayDialog</name>
    <message>
        <source>Order</source>
        <translation>順序播放</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>隨機播放</translation>
    </message>
    <message>
        <source>Repeat Single</source>
        <translation>單曲循環</translation>
    </message>
    <message>
        <source>Repeat List</source>
        <translation>列表循環</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Rec/Play</source>
        <translation>錄音/播放</translation>
    </message>
    <message>
        <source>Are you sure that you want to switch IN 1 and IN 2 to USB mode, and enable USB play?</source>
        <translation>確定要將 IN 1 和 IN 2 切換到 USB 模式並啟用 USB 播放嗎？</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all the channels?</source>
        <translation>確定要清除所有通道嗎？</translation>
    </message>
    <message>
        <source>L+R</source>
        <translation>左+右</translation>
    </message>
    <message>
        <source>L</source>
        <translation>左</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>USB Playback</source>
        <translation>USB 播放</translation>
    </message>
    <message>
        <source>USB Play List</source>
        <translation>USB 播放列表</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>USB Record</source>
        <translation>USB 錄音</translation>
    </message>
    <message>
        <source>USB Record List</source>
        <translation>USB 錄音列表</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時長</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄音</translation>
    </message>
    <message>
        <source>Record source</source>
        <translation>錄音源</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>音源</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Left and Right</source>
        <translation>左和右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Note:
Supports mp3, wav, ape, aac and flac file formats for USB playback. Only supports USB storage device of FAT32 format.
Play files fixed in the audio directory of the root directory. Record files fixed in the record directory of the root directory.</source>
        <translation>注意：
USB 播放支援 mp3、wav、ape、aac 和 flac 檔案格式。僅支援 FAT32 格式的 USB 儲存裝置。
播放檔案固定在根目錄的 audio 目錄中。錄音檔案固定在根目錄的 record 目錄中。</translation>
    </message>
</context>
<context>
    <name>SystemUpgradeProgressDialog</name>
    <message>
        <source>Select a firmware file to upgrade</source>
        <translation>選擇要升級的韌體檔案</translation>
    </message>
    <message>
        <source>img file</source>
        <translation>img 檔案</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系統升級</translation>
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
        <translation>開始</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
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
        <translation>測試</translation>
    </message>
    <message>
        <source>Aging Test</source>
        <translation>老化測試</translation>
    </message>
    <message>
        <source>IC Detect</source>
        <translation>晶片檢測</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>溫度</translation>
    </message>
    <message>
        <source>+48V</source>
        <translation>+48V</translation>
    </message>
</context>
</TS>
