<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AddDeviceDialog</name>
    <message>
        <source>Add Device</source>
        <translation>新增裝置</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP位址</translation>
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
    <name>DeviceItemWidget</name>
    <message>
        <source>Logined</source>
        <translation>已登入</translation>
    </message>
    <message>
        <source>Unlogin</source>
        <translation>未登入</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>線上</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>故障</translation>
    </message>
</context>
<context>
    <name>DeviceListDialog</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Online(Logined)</source>
        <translation>線上(已登入)</translation>
    </message>
    <message>
        <source>Logined</source>
        <translation>已登入</translation>
    </message>
    <message>
        <source>Online(Unlogin)</source>
        <translation>線上(未登入)</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置列表</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP位址</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>ARM Version</source>
        <translation>ARM版本</translation>
    </message>
    <message>
        <source>DSP Version</source>
        <translation>DSP版本</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Link Status</source>
        <translation>連線狀態</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>執行時間</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>總執行時間</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>裝置ID</translation>
    </message>
</context>
<context>
    <name>DeviceText</name>
    <message>
        <source>%1day %2:%3:%4</source>
        <translation>%1天 %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>Are you sure that you want to disconnect the device?</source>
        <translation>確定要中斷與裝置的連線嗎？</translation>
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
        <source>Devices</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置列表</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>新增裝置</translation>
    </message>
    <message>
        <source>Modify Network Parameters</source>
        <translation>修改網路參數</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>移除裝置</translation>
    </message>
    <message>
        <source>No devices yet.
Processors on the local network appear here.</source>
        <translation>尚無裝置。
區域網路內的處理器會顯示在這裡。</translation>
    </message>
    <message>
        <source>Connection Timeout</source>
        <translation>連線逾時</translation>
    </message>
    <message>
        <source>* The connection timed out!
* Please check the network connection!
* Please make sure that the PC and the device are on the same subnet!
* Please make sure that there is no other IP conflicting with the device IP!
  You can try to modify the PC&apos;s IP or device IP.
  Right-click the mouse to select the device, you can modify its IP.</source>
        <translation>* 連線逾時！
* 請檢查網路連線！
* 請確認電腦和裝置在同一網段！
* 請確認沒有其他IP與裝置IP衝突！
  可以嘗試修改電腦IP或裝置IP。
  右擊滑鼠選擇裝置，即可修改其IP。</translation>
    </message>
    <message>
        <source>Modify device IP immediately</source>
        <translation>立即修改裝置IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Do not remind again</source>
        <translation>不再提醒</translation>
    </message>
    <message>
        <source>The list of known devices (devices.db) cannot be read. It is left as it is; devices found in this session are shown but will not be remembered.</source>
        <translation>已知裝置列表 (devices.db) 無法讀取。該檔案保持原樣；本次找到的裝置會顯示，但不會被記住。</translation>
    </message>
    <message>
        <source>The list of known devices (devices.db) cannot be written. New devices and changes of this session will not be remembered.</source>
        <translation>已知裝置列表 (devices.db) 無法寫入。本次的新裝置和更改不會被記住。</translation>
    </message>
</context>
<context>
    <name>EditDeviceDialog</name>
    <message>
        <source>Modify Network Parameters</source>
        <translation>修改網路參數</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP位址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
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
    <name>LoginDialog</name>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Enter password to login</source>
        <translation>輸入密碼登入</translation>
    </message>
    <message>
        <source>Password is wrong!</source>
        <translation>密碼錯誤！</translation>
    </message>
</context>
</TS>
