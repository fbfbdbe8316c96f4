[playlist]
NumberOfEntries=5

File1=http://Radio.Example/live/
Title1=Station 10
Length1=-1

File2=udp://239.0.0.9:1234
Title2=station 9
listtype=TV
Length2=-1

File3=http://radio.example:80/live
Title3=Station 2
Length3=-1

File4=http://other.example/
Title4=Äther
Length4=-1

File5=HTTP://OTHER.example
Title5=Zeit
Length5=-1

Version=2
