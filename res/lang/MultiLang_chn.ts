<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MultiLang</name>
    <message>
        <source>100</source>
        <extracomment>OLE 初始化失败。请确保 OLE 库是正确的版本。</extracomment>
        <translation>OLE 初始化失败。请确保 OLE 库是正确的版本。</translation>
    </message>
    <message>
        <source>125</source>
        <extracomment>Customize...</extracomment>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>306</source>
        <extracomment>Edit</extracomment>
        <translation>编辑</translation>
    </message>
    <message>
        <source>500</source>
        <extracomment>Varnel Anti-Snoring Pillow Data Monitor Tool - v1.8.1</extracomment>
        <translation>Varnel 止鼾枕数据监测工具 - v1.8.1</translation>
    </message>
    <message>
        <source>501</source>
        <extracomment>START</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>502</source>
        <extracomment>Recording Schedule</extracomment>
        <translation>录制计划</translation>
    </message>
    <message>
        <source>503</source>
        <extracomment>START Time</extracomment>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>504</source>
        <extracomment>START Date</extracomment>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>505</source>
        <extracomment>END Time(Per day)</extracomment>
        <translation>结束时间(每天)</translation>
    </message>
    <message>
        <source>506</source>
        <extracomment>END Date</extracomment>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>507</source>
        <extracomment>REMARKS</extracomment>
        <translation>备注</translation>
    </message>
    <message>
        <source>508</source>
        <extracomment>LIVE ACTION MONITOR</extracomment>
        <translation>实时动作监测</translation>
    </message>
    <message>
        <source>509</source>
        <extracomment>LIVE SNORING MONITOR</extracomment>
        <translation>实时鼾声监测</translation>
    </message>
    <message>
        <source>510</source>
        <extracomment>Heavy snoring</extracomment>
        <translation>重度打鼾</translation>
    </message>
    <message>
        <source>511</source>
        <extracomment>Significant snoring</extracomment>
        <translation>明显打鼾</translation>
    </message>
    <message>
        <source>512</source>
        <extracomment>Moderate to significant snoring</extracomment>
        <translation>中度至明显打鼾</translation>
    </message>
    <message>
        <source>513</source>
        <extracomment>Moderate snoring</extracomment>
        <translation>中度打鼾</translation>
    </message>
    <message>
        <source>514</source>
        <extracomment>Light snoring</extracomment>
        <translation>轻度打鼾</translation>
    </message>
    <message>
        <source>515</source>
        <extracomment>No snoring</extracomment>
        <translation>无鼾声</translation>
    </message>
    <message>
        <source>516</source>
        <extracomment>LIVE SENSOR MONITOR</extracomment>
        <translation>实时传感器监测</translation>
    </message>
    <message>
        <source>517</source>
        <extracomment>Data Analysis</extracomment>
        <translation>数据分析</translation>
    </message>
    <message>
        <source>518</source>
        <extracomment>USB connection is not established ,recording can not be launched</extracomment>
        <translation>USB 连接未建立，无法开始录制</translation>
    </message>
    <message>
        <source>519</source>
        <extracomment>Recording</extracomment>
        <translation>录制</translation>
    </message>
    <message>
        <source>520</source>
        <extracomment>Remaining Recording Time</extracomment>
        <translation>剩余录制时间</translation>
    </message>
    <message>
        <source>521</source>
        <extracomment>Time left until START Recording</extracomment>
        <translation>距离开始录制还有</translation>
    </message>
    <message>
        <source>522</source>
        <extracomment>STOP</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>523</source>
        <extracomment>USB connection is failed at time</extracomment>
        <translation>USB 连接失败，时间</translation>
    </message>
    <message>
        <source>524</source>
        <extracomment>The scheduled end date shall not be ealier than the start date,please check the filled date before launching the schedule!</extracomment>
        <translation>计划结束日期不能早于开始日期，请在启动计划前检查所填日期！</translation>
    </message>
    <message>
        <source>525</source>
        <extracomment>The scheduled date expires and the schedule will never happen, please check the filled date before launching the schedule!</extracomment>
        <translation>计划日期已过期，计划将不会执行，请在启动计划前检查所填日期！</translation>
    </message>
    <message>
        <source>526</source>
        <extracomment>No recording file is associated, please input file firstly!</extracomment>
        <translation>未关联录制文件，请先输入文件！</translation>
    </message>
    <message>
        <source>527</source>
        <extracomment>Varnel Anti-Snoring Pillow Data Analysis Tool - v1.8.1</extracomment>
        <translation>Varnel 止鼾枕数据分析工具 - v1.8.1</translation>
    </message>
    <message>
        <source>528</source>
        <extracomment>Snoring</extracomment>
        <translation>鼾声</translation>
    </message>
    <message>
        <source>529</source>
        <extracomment>Level</extracomment>
        <translation>等级</translation>
    </message>
    <message>
        <source>530</source>
        <extracomment>Head</extracomment>
        <translation>头部</translation>
    </message>
    <message>
        <source>531</source>
        <extracomment>Position</extracomment>
        <translation>位置</translation>
    </message>
    <message>
        <source>532</source>
        <extracomment>Pillow</extracomment>
        <translation>枕头</translation>
    </message>
    <message>
        <source>533</source>
        <extracomment>Action</extracomment>
        <translation>动作</translation>
    </message>
    <message>
        <source>535</source>
        <extracomment>Night Recording Selection</extracomment>
        <translation>夜间记录选择</translation>
    </message>
    <message>
        <source>536</source>
        <extracomment>End Time(next)</extracomment>
        <translation>结束时间(次日)</translation>
    </message>
    <message>
        <source>537</source>
        <extracomment>Total Actual Snoring Time</extracomment>
        <translation>实际打鼾总时间</translation>
    </message>
    <message>
        <source>538</source>
        <extracomment>Total Pillow Action Time</extracomment>
        <translation>枕头动作总时间</translation>
    </message>
    <message>
        <source>541</source>
        <extracomment>Effectiveness</extracomment>
        <translation>有效率</translation>
    </message>
    <message>
        <source>543</source>
        <extracomment>Print</extracomment>
        <translation>打印</translation>
    </message>
    <message>
        <source>544</source>
        <extracomment>Back</extracomment>
        <translation>返回</translation>
    </message>
    <message>
        <source>545</source>
        <extracomment>Explanation</extracomment>
        <translation>说明</translation>
    </message>
    <message>
        <source>546</source>
        <extracomment>OK</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>547</source>
        <extracomment>Information</extracomment>
        <translation>信息</translation>
    </message>
    <message>
        <source>548</source>
        <extracomment>recording quit</extracomment>
        <translation>录制已退出</translation>
    </message>
</context>
</TS>
