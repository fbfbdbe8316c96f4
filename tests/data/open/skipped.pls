[playlist]
NumberOfEntries=4
File1=http://one.example.com/
Title1=Kept One
File2=https://secure.example.com/
Title2=Secure
File3=mms://old.example.com/
Title3=Old
File4=udp://239.1.1.1:5000
Title4=Kept Two
Version=2
